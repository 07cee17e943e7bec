# Runs `torval-cli calc ANALYSIS --json --csv` and has an independent script recompute the
# rank correlations of the JSON from the CSV. Called as
#   cmake -DCLI=<program> -DPYTHON=<python3> -DCHECKER=<script> -DANALYSIS=<tvl> -DWORK=<dir>
#         -P CheckSensitivity.cmake
file(MAKE_DIRECTORY ${WORK})
execute_process(COMMAND ${CLI} calc ${ANALYSIS} --json --csv ${WORK}/iterations.csv
                RESULT_VARIABLE exitCode OUTPUT_FILE ${WORK}/result.json ERROR_VARIABLE stderr)
if(NOT exitCode EQUAL 0)
  message(FATAL_ERROR "calc exited with ${exitCode}\n${stderr}")
endif()
execute_process(COMMAND ${PYTHON} ${CHECKER} ${WORK}/result.json ${WORK}/iterations.csv 2
                RESULT_VARIABLE checked OUTPUT_VARIABLE report ERROR_VARIABLE problem)
message(STATUS "${report}")
if(NOT checked EQUAL 0)
  message(FATAL_ERROR "${problem}")
endif()
