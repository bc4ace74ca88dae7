#pragma once
// Errors inside the system are exceptions carrying a message; the message
// loop and every COM boundary turn them into a box or a status code.
#include <exception>
#include <string>

namespace tessorin {

class TException : public std::exception {
public:
    explicit TException(std::u16string message) : FMessage(std::move(message)) {}
    const std::u16string& Message() const { return FMessage; }
    // The class name that dispatch errors carry as their source.
    virtual const char16_t* ClassName() const { return u"Exception"; }
    const char* what() const noexcept override { return "tessorin exception"; }

private:
    std::u16string FMessage;
};

} // namespace tessorin
