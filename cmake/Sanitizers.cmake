# VEH_SANITIZE=ON builds everything with AddressSanitizer (leak checking included) and
# UndefinedBehaviorSanitizer; any finding ends the program with an error.
option(VEH_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
if(VEH_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all
                      -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()
