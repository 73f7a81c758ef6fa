# CLI11, the command-line parser of the window and the exporter: header-only, Debian's libcli11-dev.
# A cross build takes the same headers, through a folder that holds them alone: the rest of
# /usr/include is the build system's own.
find_path(VENDRIX_CLI11_INCLUDE CLI/CLI.hpp PATHS /usr/include NO_CMAKE_FIND_ROOT_PATH REQUIRED)
set(vendrix_cli11_only ${CMAKE_BINARY_DIR}/cli11-include)
file(MAKE_DIRECTORY ${vendrix_cli11_only})
file(CREATE_LINK ${VENDRIX_CLI11_INCLUDE}/CLI ${vendrix_cli11_only}/CLI SYMBOLIC)
add_library(vendrix_cli11 INTERFACE)
target_include_directories(vendrix_cli11 SYSTEM INTERFACE ${vendrix_cli11_only})
