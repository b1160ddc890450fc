# Read by cpack for each package (CPACK_PROJECT_CONFIG_FILE): the names,
# from the version cpack is given (-D CPACK_PACKAGE_VERSION=… makes an older
# version's packages, for the upgrade tests), and the signing of the
# installer and its uninstaller when scripts/windows hands a certificate.
# The zip holds the folder as qorvi-calculator-VERSION/.
set(CPACK_PACKAGE_FILE_NAME qorvi-calculator-${CPACK_PACKAGE_VERSION}-windows-x64)
if(CPACK_GENERATOR STREQUAL "ZIP")
  set(CPACK_PACKAGING_INSTALL_PREFIX /qorvi-calculator-${CPACK_PACKAGE_VERSION})
elseif(CPACK_GENERATOR STREQUAL "NSIS")
  set(CPACK_PACKAGE_FILE_NAME ${CPACK_PACKAGE_FILE_NAME}-setup)
  set(CPACK_NSIS_EXECUTABLE_PRE_ARGUMENTS "V2")
  if(DEFINED ENV{QORVI_SIGN_KEYS})
    list(APPEND CPACK_NSIS_EXECUTABLE_PRE_ARGUMENTS "DSIGN=${CPACK_QORVI_SIGN}")
  endif()
endif()
