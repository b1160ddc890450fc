# The Windows program's portable folder, as install rules, and its zip and
# installer through CPack (ZIP, and NSIS with the installer of
# NSIS.template.in):
#   cmake --install BUILD --prefix FOLDER    the portable folder
#   cpack --config BUILD/CPackConfig.cmake   the zip and the installer
# The folder holds the program, the Qt it uses, the GCC runtime and
# winpthreads, the Windows platform plugin, Qt's Chinese texts, the licences
# of all of it and where their sources are, the program's own source, and
# 说明.txt. Installing needs SOURCE_DATE_EPOCH: every file then carries that
# time, and the programs' headers too (scripts/pe-stamp), so that two builds
# of one commit give the same bytes. With QORVI_SIGN_KEYS in the environment
# (scripts/windows), the program, the uninstaller and the installer are
# signed (scripts/sign).

set(qt_prefix ${QT6_INSTALL_PREFIX})
set(licences ${qt_prefix}/licences)

install(TARGETS qorvi-calculator RUNTIME DESTINATION .)
install(FILES $<TARGET_FILE:Qt6::Core> $<TARGET_FILE:Qt6::Gui> $<TARGET_FILE:Qt6::Widgets>
              ${qt_prefix}/bin/libstdc++-6.dll ${qt_prefix}/bin/libgcc_s_seh-1.dll
              ${qt_prefix}/bin/libwinpthread-1.dll
        DESTINATION .)
install(FILES ${qt_prefix}/plugins/platforms/qwindows.dll DESTINATION platforms)
install(FILES ${qt_prefix}/translations/qtbase_zh_CN.qm DESTINATION translations)

# Texts for Windows' readers, with CR LF: Qt's paths, and what the folder
# is for a Chinese user who opens it (UTF-8 with a byte-order mark, as
# Notepad reads it).
set(texts ${CMAKE_CURRENT_BINARY_DIR}/windows)
file(WRITE ${texts}/qt.conf "[Paths]\r\nPrefix = .\r\nPlugins = .\r\nTranslations = translations\r\n")
configure_file(${CMAKE_CURRENT_LIST_DIR}/readme-zh.txt.in ${texts}/说明.txt @ONLY NEWLINE_STYLE CRLF)
install(FILES ${texts}/qt.conf ${texts}/说明.txt DESTINATION .)

# The licences, and the Debian source packages everything was built from.
file(STRINGS ${licences}/sources source_lines)
list(TRANSFORM source_lines PREPEND "  ")
list(JOIN source_lines "\n" QORVI_SOURCES)
file(STRINGS /etc/debian_version QORVI_DEBIAN_VERSION LIMIT_COUNT 1)
configure_file(${CMAKE_CURRENT_LIST_DIR}/licences-README.txt.in ${texts}/README.txt @ONLY NEWLINE_STYLE CRLF)
install(FILES ${texts}/README.txt ${licences}/LGPL-3.0-only.txt ${licences}/GPL-2.0-only.txt
              ${licences}/GPL-3.0-only.txt
        DESTINATION licences)
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION licences RENAME qorvi-calculator.GPL-3.0-or-later.txt)
foreach(part qt6-base:Qt gmp:GMP mpfr:MPFR GCC-runtime:GCC-runtime winpthreads:winpthreads)
  string(REPLACE ":" ";" part ${part})
  list(GET part 0 file)
  list(GET part 1 shown)
  install(FILES ${licences}/${file}.copyright DESTINATION licences RENAME ${shown}.copyright.txt)
endforeach()

# Then, over what is installed: the program's own source (the working tree
# as it is: what git tracks and new files it does not ignore), the
# programs stripped and stamped with the commit's time, the program signed,
# and every file's time the commit's.
set(QORVI_PACKAGE_SOURCE ${PROJECT_SOURCE_DIR})
set(QORVI_PACKAGE_NAME qorvi-calculator-${PROJECT_VERSION})
configure_file(${CMAKE_CURRENT_LIST_DIR}/finish-folder.cmake.in ${texts}/finish-folder.cmake @ONLY)
install(SCRIPT ${texts}/finish-folder.cmake)

# qorvi-calculator-VERSION-windows-x64.zip and …-setup.exe
# (package-names.cmake, which names both from the version cpack is given).
set(CPACK_PACKAGE_NAME qorvi-calculator)
set(CPACK_PACKAGE_VENDOR Qorvi)
set(CPACK_GENERATOR ZIP NSIS)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
set(CPACK_MODULE_PATH ${CMAKE_CURRENT_LIST_DIR})
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/package-names.cmake)
set(CPACK_QORVI_ICON ${CMAKE_CURRENT_BINARY_DIR}/qorvi-calculator.ico)
set(CPACK_QORVI_SIGN ${PROJECT_SOURCE_DIR}/scripts/sign)
set(CPACK_NSIS_COMPRESSOR "/SOLID lzma")
include(CPack)
