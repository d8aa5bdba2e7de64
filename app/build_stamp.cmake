# Writes the build stamp source; run at every build so the stamp is the build's own.
string(TIMESTAMP d "%Y%m%d")
string(TIMESTAMP h "%H")
string(TIMESTAMP m "%M")
string(TIMESTAMP s "%S")
math(EXPR t "${h} * 3600 + ${m} * 60 + ${s}")
# Leading zeros would read as octal in C++.
math(EXPR d "${d} + 0")
set(text "namespace velt {\nint buildDate() { return ${d}; }\nint buildTime() { return ${t}; }\n}\n")
file(WRITE "${OUT}.tmp" "${text}")
file(COPY_FILE "${OUT}.tmp" "${OUT}" ONLY_IF_DIFFERENT)
