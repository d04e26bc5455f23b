# Writes OUTPUT: the translation file INPUT (as lupdate writes it) with every unfinished message
# translated as its source text between "[[" and "]]", so that a test can tell the module's
# translated texts from all others.
file(READ ${INPUT} content)
# Between a message's source and its translation lupdate may write comments.
string(REGEX REPLACE
    "<source>([^<]*)</source>(([^<]*<[a-z]*comment>[^<]*</[a-z]*comment>)*[^<]*)<translation type=\"unfinished\"></translation>"
    "<source>\\1</source>\\2<translation>[[\\1]]</translation>"
    content "${content}")
if(NOT content MATCHES "<translation>\\[\\[")
    message(FATAL_ERROR "${INPUT} holds no message to translate")
endif()
file(WRITE ${OUTPUT} "${content}")
