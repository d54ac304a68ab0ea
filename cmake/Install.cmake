include(CMakePackageConfigHelpers)
install(TARGETS kassio EXPORT KassioTargets
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
  INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
install(DIRECTORY src/kassio src/host DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}
  FILES_MATCHING PATTERN "*.h")
install(DIRECTORY resources/ DESTINATION ${CMAKE_INSTALL_DATADIR}/kassio)
install(EXPORT KassioTargets NAMESPACE Kassio:: DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/Kassio)
configure_package_config_file(cmake/KassioConfig.cmake.in
  ${CMAKE_CURRENT_BINARY_DIR}/KassioConfig.cmake
  INSTALL_DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/Kassio)
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/KassioConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/KassioConfig.cmake ${CMAKE_CURRENT_BINARY_DIR}/KassioConfigVersion.cmake
  DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/Kassio)
