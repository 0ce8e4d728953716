# Warnings for the project's own targets, and the optional sanitizer build.
add_compile_options(-Wall -Wextra -Wpedantic)

if(BRIMSUM_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=undefined
                      -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()
