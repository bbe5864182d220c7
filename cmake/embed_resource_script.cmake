# Writes OUTPUT, a C++ source whose function rvnResourceScript() returns the text of the resource
# script INPUT: how a module carries its compiled resources on this platform.
file(READ "${INPUT}" script)
get_filename_component(name "${INPUT}" NAME)
file(WRITE "${OUTPUT}"
  "// Made by the build from ${name}; edit that file instead.\n"
  "extern \"C\" __attribute__((visibility(\"default\"))) const char* rvnResourceScript() {\n"
  "    return R\"rvnrc(${script})rvnrc\";\n"
  "}\n")
