# Writes a language file from its readable source.
#
#   cmake -DSOURCE=<English.txt> -DOUTPUT=<English.lng> -DWORK=<scratch file> -DICONV=<iconv>
#         -P WriteLanguageFile.cmake
#
# Source (UTF-8): lines starting with "#" and empty lines are left out; "@title <text>" and
# "@note <text>" give the file's first two lines; every other line is "key = value" (split at
# the first " = ", the value kept exactly, spaces included). Output: UTF-16LE with a byte-order
# mark, carriage return and line feed after every line: title, note, then key and value lines
# in turn, closed by "END OF FILE".

cmake_minimum_required(VERSION 3.25)

foreach(_var IN ITEMS SOURCE OUTPUT WORK ICONV)
    if(NOT DEFINED ${_var})
        message(FATAL_ERROR "WriteLanguageFile: ${_var} not given")
    endif()
endforeach()

# CMake lists are separated by semicolons, so a text holding one could not be carried through.
file(READ "${SOURCE}" _raw)
if(_raw MATCHES ";")
    message(FATAL_ERROR "${SOURCE}: semicolons are not supported in language texts")
endif()
file(STRINGS "${SOURCE}" _lines ENCODING UTF-8)
set(_title "")
set(_note "")
set(_body "")
set(_keys "")
foreach(_line IN LISTS _lines)
    if(_line STREQUAL "" OR _line MATCHES "^#")
        continue()
    endif()
    if(_line MATCHES "^@title (.*)$")
        set(_title "${CMAKE_MATCH_1}")
        continue()
    endif()
    if(_line MATCHES "^@note (.*)$")
        set(_note "${CMAKE_MATCH_1}")
        continue()
    endif()
    string(FIND "${_line}" " = " _split)
    if(_split LESS 1)
        message(FATAL_ERROR "${SOURCE}: not a 'key = value' line: ${_line}")
    endif()
    string(SUBSTRING "${_line}" 0 ${_split} _key)
    math(EXPR _valueStart "${_split} + 3")
    string(SUBSTRING "${_line}" ${_valueStart} -1 _value)
    if(_value STREQUAL "")
        # An empty line would vanish from the file and shift every later pair.
        message(FATAL_ERROR "${SOURCE}: empty text for key '${_key}'")
    endif()
    string(TOLOWER "${_key}" _folded)
    string(REPLACE " " "" _folded "${_folded}")
    if(_folded IN_LIST _keys)
        message(FATAL_ERROR "${SOURCE}: key '${_key}' given twice")
    endif()
    list(APPEND _keys "${_folded}")
    string(APPEND _body "${_key}\r\n${_value}\r\n")
endforeach()
if(_title STREQUAL "" OR _note STREQUAL "")
    message(FATAL_ERROR "${SOURCE}: '@title' and '@note' lines are required")
endif()

# U+FEFF in UTF-8; iconv turns it into the UTF-16LE byte-order mark FF FE.
string(ASCII 239 187 191 _bom)
file(WRITE "${WORK}" "${_bom}${_title}\r\n${_note}\r\n${_body}END OF FILE\r\n")
execute_process(COMMAND "${ICONV}" -f UTF-8 -t UTF-16LE "${WORK}"
                OUTPUT_FILE "${OUTPUT}"
                RESULT_VARIABLE _result)
if(NOT _result EQUAL 0)
    file(REMOVE "${OUTPUT}")
    message(FATAL_ERROR "iconv failed (${_result}) for ${SOURCE}")
endif()
