# Installs the program with its content, desktop entry, icons and AppStream data, and
# describes the Debian package that CPack makes of them.
include(GNUInstallDirs)

set(ORVELLES_APP_ID org.orvelles.Orvelles)
set(ORVELLES_CONTENT_DIR ${CMAKE_INSTALL_DATADIR}/orvelles/content)

# The program finds its content relative to itself, so the install can be moved as a whole.
file(RELATIVE_PATH installed_content /prefix/${CMAKE_INSTALL_BINDIR} /prefix/${ORVELLES_CONTENT_DIR})
target_compile_definitions(orvelles PRIVATE ORVELLES_INSTALLED_CONTENT="${installed_content}")

install(TARGETS orvelles RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY ${CMAKE_SOURCE_DIR}/content/ DESTINATION ${ORVELLES_CONTENT_DIR}
        FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ
        DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE
                              GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/${ORVELLES_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
foreach(size 48 64 128 256)
    install(FILES ${CMAKE_SOURCE_DIR}/packaging/icons/orvelles-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME ${ORVELLES_APP_ID}.png)
endforeach()
# Debian wants these compressed with no time stamp.
foreach(doc changelog orvelles.1)
    execute_process(COMMAND gzip -9nc ${CMAKE_SOURCE_DIR}/packaging/${doc}
                    OUTPUT_FILE ${CMAKE_BINARY_DIR}/${doc}.gz)
endforeach()
install(FILES ${CMAKE_BINARY_DIR}/orvelles.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/copyright ${CMAKE_BINARY_DIR}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DOCDIR})
configure_file(${CMAKE_SOURCE_DIR}/packaging/${ORVELLES_APP_ID}.metainfo.xml
               ${CMAKE_BINARY_DIR}/${ORVELLES_APP_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/${ORVELLES_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

set(ORVELLES_PACKAGE_VERSION "" CACHE STRING "Version of the Debian package (default: the project's)")
set(CPACK_GENERATOR DEB)
if(ORVELLES_PACKAGE_VERSION)
    set(CPACK_PACKAGE_VERSION "${ORVELLES_PACKAGE_VERSION}")
else()
    set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
endif()
set(CPACK_PACKAGE_NAME orvelles)
set(CPACK_PACKAGE_VENDOR "The Orvelles developers")
set(CPACK_PACKAGE_CONTACT "Orvelles Packaging <packaging@orvelles.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "history lessons about the Orvelles for primary schools")
set(CPACK_PACKAGE_DESCRIPTION "Pupils answer multiple-choice quizzes, drag labels onto pictures
and into family trees, read key-facts pages and earn printed certificates.
Teachers write their own ten-question worksheets, keep them in a catalogue
and print them for class.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://orvelles.org/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The screens are designed in faces these stand in for; the multimedia and print plugins
# and the platform plugins come with Qt's own packages.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, fonts-dejavu-extra, fonts-wine, qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "gstreamer1.0-plugins-base, cups-client")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)
