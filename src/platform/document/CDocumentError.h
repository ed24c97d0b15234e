#pragma once
// Why the last open or save of a document failed, as the message to the user needs it.

#include <string>

struct CDocumentError {
    enum class Kind {
        None,
        Format, // the bytes are no document of this kind ("Unerwartetes Dateiformat.")
        File,   // the operating system refused; fileCause tells why
        Memory,
        Other, // anything else raised while reading or writing the contents
    };

    Kind kind = Kind::None;
    bool saving = false;
    int fileCause = 0; // CFileException cause for Kind::File
    std::string path;
    std::string detail; // the exception's own text, for the protocol
};
