// Putting the HTML payload on the platform's clipboard: the raw "HTML Format" on Windows; the
// HTML and a plain-text form of the table elsewhere. Plain strings, so Windows needs no Qt.
#pragma once

#include <string>

// `payload` is the "HTML Format" block, `html` the table alone and `plain` its text form, all
// UTF-8. False when the clipboard could not be written.
bool writeHtmlClipboard(const std::string &payload, const std::string &html,
                        const std::string &plain);
