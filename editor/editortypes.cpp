#include "editor/editortypes.h"

#include "editor/syntaxhighlighter.h"
#include "editor/textcharformat.h"

#include <QtQml>

void registerEditorTypes()
{
    qmlRegisterType<SyntaxHighlighter>("SyntaxHighlighter", 1, 0, "SyntaxHighlighter");
    qmlRegisterType<TextCharFormat>("SyntaxHighlighter", 1, 0, "TextCharFormat");
}
