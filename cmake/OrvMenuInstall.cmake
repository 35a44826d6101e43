# What `cmake --install` puts down for a host developer: the public headers, the libraries, a
# CMake package (find_package(OrvMenu CONFIG) gives OrvMenu::OrvMenu, OrvMenu::Services and
# OrvMenu::Ui) and a pkg-config file.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

set(ORV_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/OrvMenu)

install(TARGETS OrvMenu orv_services orv_ui EXPORT OrvMenuTargets
    RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
    LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
    ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/include/orvmenu DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}
    FILES_MATCHING PATTERN "*.h")
if(WIN32)
    # A host that loads the library by its ordinals reads them here.
    install(FILES ${PROJECT_SOURCE_DIR}/src/frame/OrvMenu.def DESTINATION ${CMAKE_INSTALL_LIBDIR})
endif()

install(EXPORT OrvMenuTargets NAMESPACE OrvMenu:: DESTINATION ${ORV_CMAKE_DIR})
configure_package_config_file(${CMAKE_CURRENT_LIST_DIR}/OrvMenuConfig.cmake.in
    ${CMAKE_CURRENT_BINARY_DIR}/OrvMenuConfig.cmake INSTALL_DESTINATION ${ORV_CMAKE_DIR})
# A host built against 1.x takes any later 1.x.
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/OrvMenuConfigVersion.cmake
    VERSION ${PROJECT_VERSION} COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/OrvMenuConfig.cmake
              ${CMAKE_CURRENT_BINARY_DIR}/OrvMenuConfigVersion.cmake
        DESTINATION ${ORV_CMAKE_DIR})

# A program linked from the .pc finds the libraries where they were installed without
# LD_LIBRARY_PATH; Windows finds DLLs beside the program instead.
if(WIN32)
    set(ORV_PC_UI_LIB OrvUi)
    set(ORV_PC_RPATH "")
else()
    set(ORV_PC_UI_LIB OrvUiHeadless)
    set(ORV_PC_RPATH "-Wl,-rpath,\${libdir} ")
endif()
configure_file(${CMAKE_CURRENT_LIST_DIR}/orvmenu.pc.in ${CMAKE_CURRENT_BINARY_DIR}/orvmenu.pc @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/orvmenu.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
