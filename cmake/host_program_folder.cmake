# The Windows program's folder beside scribix.exe: the pictures, sounds and manual that the
# resource generator draws on this machine, and the samples written by hand.
#
# The generator is a Qt program of the build machine, so it is built for this machine, by its own
# compiler, in build folder host/ of this one. A Linux build that already drew its program folder
# (./test's build-test/) may be named instead with SCRIBIX_HOST_PROGRAM_FOLDER, which saves
# building the generator a second time.
set(SCRIBIX_HOST_PROGRAM_FOLDER "" CACHE PATH
  "A Linux build folder whose pictures, sounds and manual are copied (empty: build them)")

if(SCRIBIX_HOST_PROGRAM_FOLDER)
  set(host_folder ${SCRIBIX_HOST_PROGRAM_FOLDER})
  set(host_target "")
  set(host_build_targets "")
else()
  include(ExternalProject)
  set(host_folder ${PROJECT_BINARY_DIR}/host)
  # The tests compare the Windows program's screens with the Linux program's.
  set(host_build_targets "")
  if(SCRIBIX_TESTS)
    set(host_build_targets scribix)
  endif()
  # Only the generator, the manual and what they need; no tests, no benchmarks. The compiler and
  # launcher are this machine's, never the cross compiler of the toolchain file.
  ExternalProject_Add(scribix_host
    SOURCE_DIR ${PROJECT_SOURCE_DIR}
    BINARY_DIR ${host_folder}
    CMAKE_GENERATOR Ninja
    CMAKE_ARGS -DCMAKE_BUILD_TYPE=Release -DSCRIBIX_TESTS=OFF -DSCRIBIX_BENCH=OFF
               -DCMAKE_CXX_COMPILER=c++ -DCMAKE_C_COMPILER=cc
               "-DCMAKE_CXX_COMPILER_LAUNCHER=$ENV{CMAKE_CXX_COMPILER_LAUNCHER}"
    BUILD_COMMAND ${CMAKE_COMMAND} --build ${host_folder} --target program_folder windows_icon
                  ${host_build_targets}
    INSTALL_COMMAND ""
    # Its own build decides what is out of date: a changed picture table redraws the folder.
    BUILD_ALWAYS ON
    USES_TERMINAL_BUILD ON)
  set(host_target scribix_host)
endif()

# The Linux program of that folder, which the tests take as the reference of the screens.
set(SCRIBIX_HOST_PROGRAM ${host_folder}/scribix)

add_custom_target(program_folder ALL
  BYPRODUCTS ${PROJECT_BINARY_DIR}/scribix.ico
  COMMAND ${CMAKE_COMMAND} -DFROM=${host_folder} -DTO=${PROJECT_BINARY_DIR}
          -DSOURCE=${PROJECT_SOURCE_DIR} -P ${CMAKE_CURRENT_LIST_DIR}/copy_program_folder.cmake
  COMMENT "Copying the pictures, sounds, samples and manual beside scribix.exe"
  VERBATIM)
if(host_target)
  add_dependencies(program_folder ${host_target})
endif()
if(TARGET scribix)
  add_dependencies(scribix program_folder)
endif()
