# Copies a program folder drawn on this machine (FROM) beside the Windows program (TO): only what
# the build makes, never what a run of the Linux program wrote there (its settings, its work, a
# child's puzzles). The samples come from the sources (SOURCE), as they are.
foreach(folder resb sons)
  if(NOT IS_DIRECTORY "${FROM}/${folder}")
    message(FATAL_ERROR "${FROM} holds no ${folder}/: build its program_folder first")
  endif()
  file(GLOB files "${FROM}/${folder}/*")
  file(COPY ${files} DESTINATION "${TO}/${folder}")
endforeach()

file(READ "${SOURCE}/src/puzzle/default_picture.h" table)
string(REGEX MATCH "kDefaultPictureFile = \"([^\"]*)\"" found "${table}")
set(picture "Puzzles/${CMAKE_MATCH_1}")
foreach(file ${picture} Documentation-Scribix.pdf)
  if(NOT EXISTS "${FROM}/${file}")
    message(FATAL_ERROR "${FROM} holds no ${file}: build its program_folder first")
  endif()
  get_filename_component(sub "${file}" DIRECTORY)
  file(COPY "${FROM}/${file}" DESTINATION "${TO}/${sub}")
endforeach()

# The icon of scribix.exe and its installer, drawn there from the Français module's picture.
if(NOT EXISTS "${FROM}/packaging/scribix.ico")
  message(FATAL_ERROR "${FROM} holds no packaging/scribix.ico: build its windows_icon first")
endif()
file(COPY "${FROM}/packaging/scribix.ico" DESTINATION "${TO}")

foreach(folder Liste-de-mots Exercices)
  file(GLOB samples "${SOURCE}/resources/${folder}/*.txt")
  file(COPY ${samples} DESTINATION "${TO}/${folder}")
endforeach()
file(COPY "${SOURCE}/resources/installer-voix.html" "${SOURCE}/resources/syllabes-exceptions.txt"
     DESTINATION "${TO}")
