# cmake --install into a scratch prefix, then the installed programs from there: torval-cli
# calculates the installed Monte Carlo sample, torval reports its version, and the viewer,
# reached through the link the desktop program starts, reads the results that calc wrote.
#   cmake -DBUILD=<build tree> -DPREFIX=<scratch prefix> -P CheckInstall.cmake

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE exitCode OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT exitCode EQUAL 0)
    message(FATAL_ERROR "${ARGN}\nexited with ${exitCode}:\n${out}${err}")
  endif()
  set(out "${out}" PARENT_SCOPE)
endfunction()

function(expect_in text piece)
  string(FIND "${text}" "${piece}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "expected [${piece}] in:\n${text}")
  endif()
endfunction()

file(REMOVE_RECURSE ${PREFIX})
run(${CMAKE_COMMAND} --install ${BUILD} --prefix ${PREFIX})
set(shared ${PREFIX}/share/torval)
foreach(installed bin/torval bin/torval-cli bin/charton lib/torval/libstogen.so
                  share/torval/Helps/contents.html share/torval/bitmap/emblem.bmp
                  share/torval/PLUMEXData/grndwatr/tce-plume.one
                  share/applications/torval.desktop share/applications/charton.desktop
                  share/mime/packages/torval.xml share/metainfo/org.torval.Torval.metainfo.xml
                  share/icons/hicolor/scalable/apps/torval.svg)
  if(NOT EXISTS ${PREFIX}/${installed})
    message(FATAL_ERROR "the install lacks ${installed}")
  endif()
endforeach()

run(${PREFIX}/bin/torval-cli calc ${shared}/SampleDat/drinking-water-monte-carlo.tvl
    --plot ${PREFIX})
expect_in("${out}" "Chemical Intake: Monte Carlo Simulation\nIterations: 1000\n")
run(${PREFIX}/bin/torval --version)
expect_in("${out}" "torval 1.0")
run(${shared}/charton/charton --statistics ${PREFIX}/torval.plt)
expect_in("${out}" "n: 1000\n")

# The MIME database built from the installed type maps *.tvl to the analysis type.
find_program(UPDATE_MIME update-mime-database)
if(UPDATE_MIME)
  run(${UPDATE_MIME} ${PREFIX}/share/mime)
  file(READ ${PREFIX}/share/mime/globs2 globs)
  expect_in("${globs}" "application/x-torval-analysis:*.tvl")
endif()
