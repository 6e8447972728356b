# nlohmann/json (Debian: nlohmann-json3-dev), header-only: the JSON writer of
# kav_measure and kavctl. A cross build (the Windows check) uses the host's
# header: a copy of its own folder goes on the include path, never the host's
# /usr/include with the host's C library headers beside it.
find_package(nlohmann_json 3.10 QUIET)
if(NOT TARGET nlohmann_json::nlohmann_json)
  find_path(KAV_NLOHMANN_JSON_DIR nlohmann/json.hpp PATHS /usr/include /usr/local/include
    NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
  if(NOT KAV_NLOHMANN_JSON_DIR)
    message(FATAL_ERROR "nlohmann/json.hpp not found (Debian: nlohmann-json3-dev)")
  endif()
  file(COPY ${KAV_NLOHMANN_JSON_DIR}/nlohmann DESTINATION ${CMAKE_BINARY_DIR}/third_party/include)
  add_library(nlohmann_json::nlohmann_json INTERFACE IMPORTED GLOBAL)
  set_target_properties(nlohmann_json::nlohmann_json PROPERTIES
    INTERFACE_INCLUDE_DIRECTORIES ${CMAKE_BINARY_DIR}/third_party/include)
endif()
