# torval-cli calc with every output: torval.plt, the report as PDF and as text, and the saved
# analysis, which must be byte for byte the analysis it was read from (same inputs, same
# results).
#   cmake -DCLI=<program> -DANALYSIS=<file.tvl> -DWORK=<scratch directory> -P CheckCalcOutputs.cmake

file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
execute_process(
  COMMAND ${CLI} calc ${ANALYSIS} --plot ${WORK} --report ${WORK}/report.pdf --save ${WORK}/saved.tvl
  RESULT_VARIABLE exitCode ERROR_VARIABLE stderr)
if(NOT exitCode EQUAL 0)
  message(FATAL_ERROR "calc exited with ${exitCode}: ${stderr}")
endif()
execute_process(COMMAND ${CLI} calc ${ANALYSIS} --report ${WORK}/report.txt RESULT_VARIABLE exitCode)
if(NOT exitCode EQUAL 0)
  message(FATAL_ERROR "calc --report report.txt exited with ${exitCode}")
endif()

# file(READ) drops carriage returns; the line ends are checked on the bytes.
file(READ ${WORK}/torval.plt plotStart LIMIT 13 HEX)
if(NOT plotStart STREQUAL "4d6f6e7465204361726c6f0d0a")
  message(FATAL_ERROR "torval.plt does not start with \"Monte Carlo\" and CR LF: ${plotStart}")
endif()
file(READ ${WORK}/torval.plt plot)
foreach(line "Monte Carlo\nType: Concentrations\nNumber of Terms: 1\n"
             "Intake of Chemicals via Drinking Water (mg/(kg-day))\n"
             "Ingestion Rate (Ri): 2 l/day\n"
             "Average Time Period of Exposure: 25550 day\n"
             "\n\nChemical Intake: ")
  string(FIND "${plot}" "${line}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "torval.plt lacks [${line}]:\n${plot}")
  endif()
endforeach()

file(READ ${WORK}/report.txt report)
foreach(piece "Risk Assessment Model" "PLUMEX Data Summary" "Aquifer:" "X Range:" "50:100"
              "Ingestion of Drinking Water" "  Body Weight (Wb): " " kg" "Risk Result: ")
  string(FIND "${report}" "${piece}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "report.txt lacks [${piece}]:\n${report}")
  endif()
endforeach()

file(READ ${WORK}/report.pdf pdfStart LIMIT 5 HEX)
if(NOT pdfStart STREQUAL "255044462d") # "%PDF-"
  message(FATAL_ERROR "report.pdf is not a PDF")
endif()
find_program(PDFTOTEXT pdftotext)
if(PDFTOTEXT)
  execute_process(COMMAND ${PDFTOTEXT} ${WORK}/report.pdf - OUTPUT_VARIABLE pdfText)
  foreach(piece "Risk Assessment Model" "Ingestion of Drinking Water" "mg/(kg-day)")
    string(FIND "${pdfText}" "${piece}" at)
    if(at EQUAL -1)
      message(FATAL_ERROR "report.pdf lacks [${piece}]:\n${pdfText}")
    endif()
  endforeach()
endif()

execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${ANALYSIS} ${WORK}/saved.tvl
  RESULT_VARIABLE differ)
if(NOT differ EQUAL 0)
  message(FATAL_ERROR "the saved analysis differs from the one read")
endif()
