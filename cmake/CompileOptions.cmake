# Options shared by every target of the project, as one INTERFACE target.
set(CMAKE_CXX_STANDARD 20)
set(CMAKE_CXX_STANDARD_REQUIRED ON)
set(CMAKE_CXX_EXTENSIONS OFF)
set(CMAKE_EXPORT_COMPILE_COMMANDS ON)

add_library(ravello_options INTERFACE)
target_compile_features(ravello_options INTERFACE cxx_std_20)
# Includes are rooted at src/ and name the layer: "core/tmdb/film_cache.h".
target_include_directories(ravello_options INTERFACE ${PROJECT_SOURCE_DIR}/src)
target_compile_definitions(ravello_options INTERFACE
    RAVELLO_VERSION_TEXT="${PROJECT_VERSION}")

if(MSVC)
    target_compile_options(ravello_options INTERFACE /W4 /utf-8)
    if(RAVELLO_WERROR)
        target_compile_options(ravello_options INTERFACE /WX)
    endif()
else()
    target_compile_options(ravello_options INTERFACE -Wall -Wextra -Wpedantic -Wshadow)
    if(RAVELLO_WERROR)
        target_compile_options(ravello_options INTERFACE -Werror)
    endif()
endif()

if(RAVELLO_SANITIZERS AND NOT MSVC)
    target_compile_options(ravello_options INTERFACE
        -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    target_link_options(ravello_options INTERFACE -fsanitize=address,undefined)
endif()

# The worker threads (the import's people reader, the profile preparation, the batch fetches)
# checked for data races. ThreadSanitizer keeps its own shadow memory, so it cannot share a
# build with AddressSanitizer.
if(RAVELLO_THREAD_SANITIZER AND NOT MSVC)
    if(RAVELLO_SANITIZERS)
        message(FATAL_ERROR "RAVELLO_THREAD_SANITIZER and RAVELLO_SANITIZERS exclude each other")
    endif()
    target_compile_options(ravello_options INTERFACE -fsanitize=thread -fno-omit-frame-pointer)
    target_link_options(ravello_options INTERFACE -fsanitize=thread)
endif()
