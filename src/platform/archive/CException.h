#pragma once
// Root of the program's own exceptions; carries the German text shown to the user.

#include <cstddef>
#include <exception>
#include <string>

class CException : public std::exception {
public:
    explicit CException(std::string message) : m_strMessage(std::move(message)) {}
    ~CException() override = default;

    // Clears text and *helpContext, then copies the message only if it has fewer than
    // maxChars characters (it is never cut short). True if copied.
    virtual bool GetErrorMessage(std::string& text, std::size_t maxChars,
                                 unsigned* helpContext = nullptr) const;

    const std::string& GetMessage() const { return m_strMessage; }
    const char* what() const noexcept override { return m_strMessage.c_str(); }

protected:
    void SetMessage(std::string message) { m_strMessage = std::move(message); }

private:
    std::string m_strMessage;
};
