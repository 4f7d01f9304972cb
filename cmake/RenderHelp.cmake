# Renders the README as the program's help page: a plain HTML page that keeps its text as written.
# cmake -DINPUT=README.md -DOUTPUT=TarnDock-Help.html -P RenderHelp.cmake
file(READ "${INPUT}" text)
string(REPLACE "&" "&amp;" text "${text}")
string(REPLACE "<" "&lt;" text "${text}")
string(REPLACE ">" "&gt;" text "${text}")
file(WRITE "${OUTPUT}" "<!DOCTYPE html>\n<html lang=\"en\">\n<head><meta charset=\"utf-8\"><title>TarnDock - Help</title>\n"
    "<style>body{font-family:sans-serif;margin:2em;}pre{white-space:pre-wrap;font-size:1em;}</style></head>\n"
    "<body><pre>${text}</pre></body>\n</html>\n")
