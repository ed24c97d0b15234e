#include "core/view/CommentHead.h"

#include <algorithm>

std::string CommentHead(const std::string& comment, int width, int lines) {
    if (lines <= 0)
        return {};
    const int perLine = std::max(1, width / kMinCommentCharWidth);
    int line = 0;
    int column = 0;
    for (std::size_t i = 0; i < comment.size(); ++i) {
        const auto c = static_cast<unsigned char>(comment[i]);
        if (c == '\n') {
            column = 0;
            if (++line >= lines)
                return comment.substr(0, i);
        } else if ((c & 0xC0) != 0x80 && ++column > perLine) {
            column = 1;
            if (++line >= lines)
                return comment.substr(0, i);
        }
    }
    return comment;
}
