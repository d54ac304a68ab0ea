include(CMakePackageConfigHelpers)
set(KASSIO_INSTALL_CMAKEDIR ${CMAKE_INSTALL_LIBDIR}/cmake/Kassio)
set(KASSIO_INSTALL_RESOURCEDIR ${CMAKE_INSTALL_DATADIR}/kassio)

# One export set per library, so a host that links only the module loads only its dependencies.
install(TARGETS kassio EXPORT KassioTargets ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR})
install(TARGETS kassio_host EXPORT KassioHostTargets ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR})
install(TARGETS kassio_sandbox EXPORT KassioSandboxTargets ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR})
install(DIRECTORY src/kassio src/host src/sandbox DESTINATION ${KASSIO_INSTALL_INCLUDEDIR}
  FILES_MATCHING PATTERN "*.h")
install(DIRECTORY resources/ DESTINATION ${KASSIO_INSTALL_RESOURCEDIR})
install(EXPORT KassioTargets NAMESPACE Kassio:: DESTINATION ${KASSIO_INSTALL_CMAKEDIR})
install(EXPORT KassioHostTargets NAMESPACE Kassio:: DESTINATION ${KASSIO_INSTALL_CMAKEDIR})
install(EXPORT KassioSandboxTargets NAMESPACE Kassio:: DESTINATION ${KASSIO_INSTALL_CMAKEDIR})

configure_package_config_file(cmake/KassioConfig.cmake.in
  ${CMAKE_CURRENT_BINARY_DIR}/KassioConfig.cmake
  INSTALL_DESTINATION ${KASSIO_INSTALL_CMAKEDIR}
  PATH_VARS KASSIO_INSTALL_RESOURCEDIR)
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/KassioConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/KassioConfig.cmake ${CMAKE_CURRENT_BINARY_DIR}/KassioConfigVersion.cmake
  DESTINATION ${KASSIO_INSTALL_CMAKEDIR})
