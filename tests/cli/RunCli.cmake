# Runs torval-cli once and checks what it did. Called as
#   cmake -DCLI=<program> -DARGS=<arguments separated by |> -DEXPECT_EXIT=<code>
#         [-DEXPECT_STDOUT=<text> | -DEXPECT_STDOUT_HAS=<piece>|<piece>...]
#         [-DEXPECT_STDERR=<substring>] [-DSTDOUT_FILE=<path>] -P RunCli.cmake
# ARGS keeps empty arguments ("a||b" passes an empty second one). Without EXPECT_STDOUT the
# program must print nothing on stdout; with it, stdout must be that text and one newline.
# STDOUT_FILE sends stdout to that file (a full device, say) instead of checking it.

foreach(required CLI EXPECT_EXIT)
  if(NOT DEFINED ${required})
    message(FATAL_ERROR "RunCli.cmake needs -D${required}=...")
  endif()
endforeach()

# Each argument goes in as a bracket argument, so empty texts, blanks and quotes survive.
string(REPLACE "|" ";" arguments "${ARGS}")
set(call "execute_process(COMMAND [==[${CLI}]==]")
foreach(argument IN LISTS arguments)
  string(APPEND call " [==[${argument}]==]")
endforeach()
if(DEFINED STDOUT_FILE)
  string(APPEND call " OUTPUT_FILE [==[${STDOUT_FILE}]==]")
else()
  string(APPEND call " OUTPUT_VARIABLE stdout")
endif()
string(APPEND call " RESULT_VARIABLE exitCode ERROR_VARIABLE stderr)")
cmake_language(EVAL CODE "${call}")

set(failures "")
if(NOT exitCode STREQUAL EXPECT_EXIT)
  string(APPEND failures "exit code ${exitCode}, expected ${EXPECT_EXIT}\n")
endif()
if(DEFINED STDOUT_FILE)
  # what went into the file is not checked
elseif(DEFINED EXPECT_STDOUT_HAS)
  # Long outputs (JSON) are checked by the pieces that matter, each separated by "|".
  # Split by hand: JSON pieces hold brackets, which a CMake list would not split inside.
  set(rest "${EXPECT_STDOUT_HAS}")
  while(NOT rest STREQUAL "")
    string(FIND "${rest}" "|" bar)
    if(bar EQUAL -1)
      set(piece "${rest}")
      set(rest "")
    else()
      string(SUBSTRING "${rest}" 0 ${bar} piece)
      math(EXPR next "${bar} + 1")
      string(SUBSTRING "${rest}" ${next} -1 rest)
    endif()
    string(FIND "${stdout}" "${piece}" at)
    if(at EQUAL -1)
      string(APPEND failures "stdout does not contain [${piece}]\n")
    endif()
  endwhile()
else()
  if(DEFINED EXPECT_STDOUT)
    set(expectedStdout "${EXPECT_STDOUT}\n")
  else()
    set(expectedStdout "")
  endif()
  if(NOT stdout STREQUAL expectedStdout)
    string(APPEND failures "stdout [${stdout}], expected [${expectedStdout}]\n")
  endif()
endif()
if(DEFINED EXPECT_STDERR)
  string(FIND "${stderr}" "${EXPECT_STDERR}" at)
  if(at EQUAL -1)
    string(APPEND failures "stderr does not contain [${EXPECT_STDERR}]\n")
  endif()
endif()

if(failures)
  message(FATAL_ERROR "torval-cli ${ARGS}\n${failures}stderr was:\n${stderr}")
endif()
