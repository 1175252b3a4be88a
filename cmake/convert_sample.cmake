# Converts the sample drawing as a user would: the drawing placed under images/coast in a
# working directory, the dialogue answered from examples/map1.answers, the records shown.
# Run by the convert_sample target with PROGRAM, EXAMPLES and WORKDIR set.
file(MAKE_DIRECTORY "${WORKDIR}/images/coast")
file(COPY "${EXAMPLES}/map1.dxf" DESTINATION "${WORKDIR}/images/coast")
execute_process(COMMAND "${PROGRAM}" WORKING_DIRECTORY "${WORKDIR}" INPUT_FILE "${EXAMPLES}/map1.answers"
                RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "seawrack_polydump ended with status ${status}")
endif()
file(READ "${WORKDIR}/images/coast/map1pts.rak" records)
message("\n\n${WORKDIR}/images/coast/map1pts.rak:\n${records}")
