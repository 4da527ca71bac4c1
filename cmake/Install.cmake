# What `cmake --install` (and `make install`, `make package`) puts where:
# the programs, the desktop entry, the file types, the icons, the AppStream
# metainfo, the manual with its pictures, the examples, the manual pages and
# the bash completion.
include(GNUInstallDirs)

set(ZENTRA_APP_ID jp.tavex.Zentra)
set(ZENTRA_RELEASE_DATE 2026-12-08)
set(ZENTRA_DOC_DIR ${CMAKE_INSTALL_DATAROOTDIR}/doc/zentra)

# The manual pages and the completion, written from the option tables.
add_executable(zentra-docgen tools/docgen.cpp)
target_link_libraries(zentra-docgen PRIVATE zentra_core)
set(ZENTRA_GENERATED_DOCS ${PROJECT_BINARY_DIR}/generated-docs)
# Pages and change log are installed compressed, without time stamps, as
# Debian keeps them.
find_program(GZIP_PROGRAM gzip REQUIRED)
add_custom_command(
  OUTPUT ${ZENTRA_GENERATED_DOCS}/zentra.1.gz ${ZENTRA_GENERATED_DOCS}/zentra-cli.1.gz
         ${ZENTRA_GENERATED_DOCS}/zentra-cli.bash ${ZENTRA_GENERATED_DOCS}/changelog.Debian.gz
  COMMAND ${CMAKE_COMMAND} -E make_directory ${ZENTRA_GENERATED_DOCS}
  COMMAND zentra-docgen ${ZENTRA_GENERATED_DOCS} ${PROJECT_VERSION} ${ZENTRA_RELEASE_DATE}
  COMMAND ${GZIP_PROGRAM} -9nf ${ZENTRA_GENERATED_DOCS}/zentra.1 ${ZENTRA_GENERATED_DOCS}/zentra-cli.1
  COMMAND ${GZIP_PROGRAM} -9n -c ${PROJECT_SOURCE_DIR}/data/changelog.Debian > ${ZENTRA_GENERATED_DOCS}/changelog.Debian.gz
  DEPENDS zentra-docgen ${PROJECT_SOURCE_DIR}/data/changelog.Debian
  COMMENT "Writing the manual pages and the bash completion")
add_custom_target(zentra-docs ALL DEPENDS ${ZENTRA_GENERATED_DOCS}/zentra.1.gz)

install(TARGETS zentra-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${ZENTRA_GENERATED_DOCS}/zentra-cli.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${ZENTRA_GENERATED_DOCS}/zentra-cli.bash
  DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/bash-completion/completions RENAME zentra-cli)
install(FILES docs/manual.md data/copyright ${ZENTRA_GENERATED_DOCS}/changelog.Debian.gz DESTINATION ${ZENTRA_DOC_DIR})
install(DIRECTORY docs/images DESTINATION ${ZENTRA_DOC_DIR})
install(DIRECTORY examples/ DESTINATION ${ZENTRA_DOC_DIR}/examples)

if(TARGET zentra)
  install(TARGETS zentra RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(TARGETS zentra-cli-graph RUNTIME DESTINATION ${CMAKE_INSTALL_LIBEXECDIR}/zentra)
  install(FILES ${ZENTRA_GENERATED_DOCS}/zentra.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  install(FILES data/${ZENTRA_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/applications)
  install(FILES data/${ZENTRA_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/metainfo)
  install(FILES data/zentra-mime.xml DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/mime/packages RENAME ${ZENTRA_APP_ID}.xml)
  install(DIRECTORY data/icons/hicolor DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons)
endif()

include(cmake/Package.cmake)
