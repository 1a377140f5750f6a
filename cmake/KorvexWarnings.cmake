# Every target of the project is built with the same strict warnings; a warning fails the build.
add_library(korvex_options INTERFACE)
target_compile_options(korvex_options INTERFACE -Wall -Wextra -Wpedantic -Werror)
if(KORVEX_SANITIZE)
  target_compile_options(korvex_options INTERFACE
    -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  target_link_options(korvex_options INTERFACE -fsanitize=address,undefined)
endif()
