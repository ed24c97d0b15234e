#pragma once
// The part of a comment that can show. Its rectangle grows with the text, so a long comment
// reaches far below any page; laying all of it out would make every repaint slow.

#include <string>

// Narrower than any visible character of the comment font (5 mm cell), so a line never
// holds more than its width / this many characters.
inline constexpr int kMinCommentCharWidth = 7; // 0.7 mm

// The beginning of comment that fills at most `lines` lines of `width` logical units,
// each line ending at a line feed or after width / kMinCommentCharWidth characters.
// Whole UTF-8 characters only.
std::string CommentHead(const std::string& comment, int width, int lines);
