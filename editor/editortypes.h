#pragma once

// Registers SyntaxHighlighter and TextCharFormat for window documents, module "SyntaxHighlighter"
// 1.0. Call once, after the application object exists and before any document is loaded.
void registerEditorTypes();
