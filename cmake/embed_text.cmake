# Writes the bytes of INPUT as a C++ array named NAME into OUTPUT.
file(READ "${INPUT}" content HEX)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "'\\\\x\\1'," bytes "${content}")
file(WRITE "${OUTPUT}" "// Generated from ${INPUT}; do not edit.\nextern const char ${NAME}[];\nconst char ${NAME}[] = {${bytes}'\\0'};\n")
