# Checks a seeded `torval-cli generate` run of a truncated normal variant. Called as
#   cmake -DCLI=<program> -DSEED=<seed> -DMEAN=<m> -DSD=<s> -DMIN=<a> -DMAX=<b> -DTERMS=<n>
#         -P CheckGenerate.cmake
# The run seeded through TORVAL_SEED must repeat exactly, --seed must give the same values,
# and the values themselves must have the asked count, bounds, mean and standard deviation
# (each within 1). The sample moments are computed here, in millionths with integer
# arithmetic, independently of the statistics the program prints; those must agree with them.

math(EXPR variance "${SD} * ${SD}")
set(arguments generate --distribution normal --mean ${MEAN} --variance ${variance}
    --min ${MIN} --max ${MAX} --terms ${TERMS})

function(run_generate result)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE exitCode OUTPUT_VARIABLE stdout
                  ERROR_VARIABLE stderr)
  if(NOT exitCode EQUAL 0)
    message(FATAL_ERROR "${ARGN}\nexit code ${exitCode}\n${stderr}")
  endif()
  set(${result} "${stdout}" PARENT_SCOPE)
endfunction()

run_generate(first ${CMAKE_COMMAND} -E env TORVAL_SEED=${SEED} ${CLI} ${arguments})
run_generate(second ${CMAKE_COMMAND} -E env TORVAL_SEED=${SEED} ${CLI} ${arguments})
run_generate(option ${CMAKE_COMMAND} -E env --unset=TORVAL_SEED ${CLI} ${arguments}
             --seed ${SEED})
if(NOT first STREQUAL second)
  message(FATAL_ERROR "two runs with TORVAL_SEED=${SEED} differ")
endif()
if(NOT first STREQUAL option)
  message(FATAL_ERROR "--seed ${SEED} differs from TORVAL_SEED=${SEED}")
endif()

# A plain positive decimal in millionths, truncated.
function(to_millionths text result)
  if(NOT text MATCHES "^([0-9]+)(\\.([0-9]*))?$")
    message(FATAL_ERROR "[${text}] is not a plain positive decimal")
  endif()
  set(whole ${CMAKE_MATCH_1})
  string(SUBSTRING "${CMAKE_MATCH_3}000000" 0 6 fraction)
  string(REGEX REPLACE "^0+([0-9])" "\\1" fraction "${fraction}")
  math(EXPR value "${whole} * 1000000 + ${fraction}")
  set(${result} ${value} PARENT_SCOPE)
endfunction()

string(REGEX REPLACE "\n$" "" first "${first}")
string(REPLACE "\n" ";" lines "${first}")
list(LENGTH lines lineCount)
math(EXPR valueCount "${TERMS} + 1")
math(EXPR expectedLines "${valueCount} + 6")
if(NOT lineCount EQUAL expectedLines)
  message(FATAL_ERROR "${lineCount} lines, expected ${valueCount} values and 6 statistics")
endif()
list(SUBLIST lines 0 ${valueCount} values)
list(SUBLIST lines ${valueCount} 6 statistics)

set(sum 0)
set(millionths "")
foreach(value IN LISTS values)
  if(value LESS MIN OR value GREATER MAX)
    message(FATAL_ERROR "value ${value} outside [${MIN}, ${MAX}]")
  endif()
  to_millionths("${value}" v)
  list(APPEND millionths ${v})
  math(EXPR sum "${sum} + ${v}")
endforeach()
math(EXPR mean "${sum} / ${valueCount}")
set(squares 0)
foreach(v IN LISTS millionths)
  math(EXPR squares "${squares} + (${v} - ${mean}) * (${v} - ${mean})")
endforeach()
math(EXPR sampleVariance "${squares} / ${TERMS}") # in millionths squared

math(EXPR meanError "${mean} - ${MEAN} * 1000000")
if(meanError LESS -1000000 OR meanError GREATER 1000000)
  message(FATAL_ERROR "mean ${mean} millionths, expected ${MEAN} within 1")
endif()
math(EXPR low "(${SD} - 1) * (${SD} - 1) * 1000000000000")
math(EXPR high "(${SD} + 1) * (${SD} + 1) * 1000000000000")
if(sampleVariance LESS low OR sampleVariance GREATER high)
  message(FATAL_ERROR "variance ${sampleVariance} millionths squared, sd not ${SD} within 1")
endif()

# The printed statistics in their order; the printed mean is rounded and summed in floats.
set(labels "Median" "Minimum" "Maximum" "Arithmetic Mean" "Geometric Mean" "Standard Deviation")
foreach(index RANGE 5)
  list(GET labels ${index} label)
  list(GET statistics ${index} line)
  if(NOT line MATCHES "^${label}: ([0-9.]+)$")
    message(FATAL_ERROR "statistics line ${index} is [${line}], expected ${label}: <number>")
  endif()
  if(label STREQUAL "Arithmetic Mean")
    to_millionths("${CMAKE_MATCH_1}" printed)
    math(EXPR difference "${printed} - ${mean}")
    if(difference LESS -1000 OR difference GREATER 1000)
      message(FATAL_ERROR "printed mean ${CMAKE_MATCH_1}, computed ${mean} millionths")
    endif()
  endif()
endforeach()
