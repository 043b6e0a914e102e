# The manual page, the copyright file and the changelog, and the Debian package that
# CPack builds from the install:
#   cpack --config <build>/CPackConfig.cmake -B <folder>  ->  numerandia_<version>_<arch>.deb
# The package is native: its version is the project's, with no Debian revision, since
# the packaging lives in the project itself.

# Compressed as Debian wants them: at the highest level, with no name or time stamp
# in the header, so that two builds give the same bytes.
find_program(NUMERANDIA_GZIP gzip REQUIRED)
set(docs ${PROJECT_BINARY_DIR}/docs)
set(compressed)
# The manual pages as cmake/version.cmake made them.
foreach(pair "${PROJECT_BINARY_DIR}/data/man/numerandia.6|man/numerandia.6.gz"
             "${PROJECT_BINARY_DIR}/data/man/it/numerandia.6|man/it/numerandia.6.gz"
             "${PROJECT_SOURCE_DIR}/data/changelog|changelog.gz")
  string(REPLACE "|" ";" pair "${pair}")
  list(GET pair 0 source)
  list(GET pair 1 output)
  get_filename_component(folder ${docs}/${output} DIRECTORY)
  add_custom_command(OUTPUT ${docs}/${output}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
    COMMAND sh -c "\"$0\" -9nc \"$1\" > \"$2\"" ${NUMERANDIA_GZIP} ${source} ${docs}/${output}
    DEPENDS ${source}
    VERBATIM)
  list(APPEND compressed ${docs}/${output})
endforeach()
add_custom_target(numerandia_docs ALL DEPENDS ${compressed})

install(FILES ${docs}/man/numerandia.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${docs}/man/it/numerandia.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/it/man6)
install(FILES data/copyright ${docs}/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME numerandia)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Numerandia authors")
set(CPACK_PACKAGE_CONTACT "The Numerandia authors <info@example.org>")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# A release build has no debug information, but its symbol table goes too.
set(CPACK_STRIP_FILES TRUE)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION TRUE)
# The libraries come from the binary; what it loads or asks for at run time does not:
# Qt's platform plugins (without them no window can open) and the two fonts that
# stand in for the layouts' Comic Sans MS, MS Sans Serif and Arial.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/packaging_check.cmake)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-comic-neue, fonts-liberation2")
# The wrong-answer beep: the desktop's "bell" sound from its sound theme, played by
# libcanberra through the sound server (PulseAudio, or PipeWire's PulseAudio service).
# The program loads libcanberra only at the first wrong answer and rings the X bell
# where any of these is missing, so they are recommended, which apt installs by
# default, rather than required.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libcanberra0, libcanberra-pulse, sound-theme-freedesktop")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "arithmetic exercise book for primary school, in Italian
Aritmetica per la scuola primaria: abaco, frazioni, blocchi, numeri primi.
Arithmetic for Italian primary school: abacus, fractions, blocks, primes.")

set(CPACK_SOURCE_GENERATOR TGZ)
set(CPACK_SOURCE_IGNORE_FILES "/\\\\.git" "/build[^/]*/")
include(CPack)
