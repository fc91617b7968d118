# Reading the program's name tables from their C++ sources, so that the build knows the files
# resgen writes without a second list of their names.

# The string literals of a C++ source that end with `suffix` (a regular expression), outside
# comments, adjacent literals joined, as the file system spells them: the \xHH escapes of
# Windows-1252 letters (0xA0 to 0xFF, where it agrees with Unicode) become UTF-8.
function(resgen_table_literals out file suffix)
  file(READ ${file} text)
  string(REGEX REPLACE "/\\*([^*]|\\*+[^*/])*\\*+/" "" text "${text}")
  string(REGEX REPLACE "//[^\n]*" "" text "${text}")
  string(REGEX REPLACE "\"[ \t\r\n]*\"" "" text "${text}")
  string(REGEX MATCHALL "\"[^\"\n]*${suffix}\"" literals "${text}")
  set(names)
  foreach(literal ${literals})
    string(REGEX REPLACE "^\"(.*)\"$" "\\1" name "${literal}")
    while(name MATCHES "\\\\x([0-9A-Fa-f][0-9A-Fa-f])")
      set(hex ${CMAKE_MATCH_1})
      math(EXPR code "0x${hex}")
      if(code LESS 160)
        message(FATAL_ERROR "${file}: the escape \\x${hex} in ${literal} needs the Windows-1252 "
                            "table; name the file with ASCII or a letter from 0xA0 to 0xFF")
      endif()
      math(EXPR lead "192 + (${code} >> 6)")
      math(EXPR trail "128 + (${code} & 63)")
      string(ASCII ${lead} ${trail} utf8)
      string(REPLACE "\\x${hex}" "${utf8}" name "${name}")
    endwhile()
    if(name MATCHES "\\\\")
      message(FATAL_ERROR "${file}: cannot read the escapes of ${literal}")
    endif()
    list(APPEND names "${name}")
  endforeach()
  list(REMOVE_DUPLICATES names)
  if(NOT names)
    message(FATAL_ERROR "${file}: no name ending in ${suffix}")
  endif()
  set(${out} ${names} PARENT_SCOPE)
endfunction()

# The value of `constant = value;` in a C++ source, without the quotes of a string.
function(resgen_table_constant out file constant)
  file(READ ${file} text)
  if(NOT text MATCHES "${constant} = \"?([^\";]*)\"?;")
    message(FATAL_ERROR "${file}: no ${constant}")
  endif()
  set(${out} ${CMAKE_MATCH_1} PARENT_SCOPE)
endfunction()
