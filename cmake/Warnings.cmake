# Every target links project_warnings so the whole tree builds under the same rules.
option(VEH_WARNINGS_AS_ERRORS "Treat compiler warnings as errors" ON)

add_library(project_warnings INTERFACE)
target_compile_options(project_warnings INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wold-style-cast -Wnon-virtual-dtor
  $<$<BOOL:${VEH_WARNINGS_AS_ERRORS}>:-Werror>)
