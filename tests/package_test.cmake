# Builds the Debian package, unpacks it into a temporary root as `dpkg -x` would install it,
# and converts the sample drawing that it carries with the program that it carries: the records
# must be those of the program in the build tree. Run by the package_installs test with CPACK,
# CPACK_CONFIG, BUILT_PROGRAM and WORKDIR set.
find_program(DPKG_DEB dpkg-deb)
if(NOT DPKG_DEB)
  message("dpkg-deb is missing: no Debian package to test")
  return()
endif()

file(REMOVE_RECURSE "${WORKDIR}")
execute_process(COMMAND "${CPACK}" --config "${CPACK_CONFIG}" -B "${WORKDIR}/package" RESULT_VARIABLE status
                OUTPUT_VARIABLE log ERROR_VARIABLE log)
file(GLOB package "${WORKDIR}/package/*.deb")
if(NOT status EQUAL 0 OR NOT package)
  message(FATAL_ERROR "cpack made no Debian package:\n${log}")
endif()

execute_process(COMMAND "${DPKG_DEB}" --field "${package}" Package Section OUTPUT_VARIABLE fields)
if(NOT fields STREQUAL "Package: seawrack-polydump\nSection: science\n")
  message(FATAL_ERROR "unexpected control fields:\n${fields}")
endif()

set(root "${WORKDIR}/root")
execute_process(COMMAND "${DPKG_DEB}" -x "${package}" "${root}" COMMAND_ERROR_IS_FATAL ANY)
set(examples "${root}/usr/share/doc/seawrack_polydump/examples")
foreach(installed usr/bin/seawrack_polydump usr/share/man/man1/seawrack_polydump.1
                  usr/share/doc/seawrack_polydump/README.md)
  if(NOT EXISTS "${root}/${installed}")
    message(FATAL_ERROR "the package lacks /${installed}")
  endif()
endforeach()

# Converts the packaged sample in a directory of its own; sets records to the .rak file's bytes.
function(convert_sample program directory)
  file(MAKE_DIRECTORY "${directory}/images/coast")
  file(COPY "${examples}/map1.dxf" DESTINATION "${directory}/images/coast")
  execute_process(COMMAND "${program}" WORKING_DIRECTORY "${directory}" INPUT_FILE "${examples}/map1.answers"
                  RESULT_VARIABLE status OUTPUT_QUIET)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${program} ended with status ${status}")
  endif()
  file(READ "${directory}/images/coast/map1pts.rak" bytes HEX)
  set(records "${bytes}" PARENT_SCOPE)
endfunction()

convert_sample("${root}/usr/bin/seawrack_polydump" "${WORKDIR}/installed")
set(installed_records "${records}")
convert_sample("${BUILT_PROGRAM}" "${WORKDIR}/built")
if(installed_records STREQUAL "" OR NOT installed_records STREQUAL records)
  message(FATAL_ERROR "the installed program's records differ from the built program's")
endif()
message("the packaged program converted the sample drawing")
