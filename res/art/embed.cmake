# Writes the pictures as byte arrays into one C++ source, so that the program
# carries its resources inside itself.
#   cmake -DOUTPUT=file.cpp -DPICTURES="symbol=path;symbol=path" -P embed.cmake
set(source "// Generated from res/art by res/art/embed.cmake; do not edit.\n#include <cstddef>\n#include <cstdint>\n")
foreach(picture IN LISTS PICTURES)
  string(REPLACE "=" ";" parts "${picture}")
  list(GET parts 0 symbol)
  list(GET parts 1 path)
  file(READ "${path}" hex HEX)
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  string(APPEND source "extern const std::uint8_t ${symbol}[] = {\n${bytes}};\n")
  string(APPEND source "extern const std::size_t ${symbol}Size = sizeof(${symbol});\n")
endforeach()
file(WRITE "${OUTPUT}.tmp" "${source}")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")
