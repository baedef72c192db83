# Every target links project_warnings so the whole tree builds under the same rules. The project's
# scripts and CI make warnings errors; a plain build (a packager's, a newer compiler's) only
# reports them.
option(VEH_WARNINGS_AS_ERRORS "Treat compiler warnings as errors" OFF)

add_library(project_warnings INTERFACE)
target_compile_options(project_warnings INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wold-style-cast -Wnon-virtual-dtor
  $<$<BOOL:${VEH_WARNINGS_AS_ERRORS}>:-Werror>)
