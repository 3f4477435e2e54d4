# Writes the schema file as a C++ raw string: cmake -DIN=schema.sql -DOUT=SchemaText.cpp -P embed.cmake
file(READ ${IN} text)
string(FIND "${text}" ")talursql\"" clash)
if(NOT clash EQUAL -1)
  message(FATAL_ERROR "${IN} contains the raw-string delimiter")
endif()
file(WRITE ${OUT}.tmp "// Generated from schema.sql; do not edit.\nnamespace talur {\nextern const char* const kSchemaSql;\nconst char* const kSchemaSql = R\"talursql(${text})talursql\";\n}\n")
file(COPY_FILE ${OUT}.tmp ${OUT} ONLY_IF_DIFFERENT)
file(REMOVE ${OUT}.tmp)
