# `torval-cli generate --sampling lhs` of a uniform on [10, 20] with 9 terms (10 values) must put
# exactly one value in each of [10, 11), [11, 12), ..., [19, 20], and not in ascending order.
# Called as cmake -DCLI=<program> -P CheckLatinHypercube.cmake
execute_process(COMMAND ${CLI} generate --distribution uniform --mean 15 --variance 1 --min 10
                        --max 20 --terms 9 --seed 5 --sampling lhs
                RESULT_VARIABLE exitCode OUTPUT_VARIABLE stdout ERROR_VARIABLE stderr)
if(NOT exitCode EQUAL 0)
  message(FATAL_ERROR "exit code ${exitCode}\n${stderr}")
endif()
string(REGEX MATCHALL "(^|\n)[0-9][0-9.E+-]*" values "${stdout}")
set(strata "")
foreach(value IN LISTS values)
  string(REGEX REPLACE "^\n?([0-9]+).*$" "\\1" whole "${value}")
  math(EXPR whole "${whole} - 10")
  if(whole EQUAL 10)
    set(whole 9)
  endif()
  list(APPEND strata ${whole})
endforeach()
set(sorted ${strata})
list(SORT sorted COMPARE NATURAL)
if(NOT sorted STREQUAL "0;1;2;3;4;5;6;7;8;9")
  message(FATAL_ERROR "strata of the values: ${strata}\n${stdout}")
endif()
if(strata STREQUAL sorted)
  message(FATAL_ERROR "the values are not shuffled: ${stdout}")
endif()
