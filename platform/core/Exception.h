#pragma once

#include "platform/core/TVarRec.h"

#include <exception>
#include <initializer_list>
#include <string>
#include <string_view>

namespace plat {

// Base of every error the layer and the system raise: a message meant for the user.
class Exception : public std::exception {
public:
    explicit Exception(std::string message);
    // The message is Format(fmt, args); a bad format raises EConvertError instead. Defined
    // with Format (Format.cpp): Format, and the UTF-8 helpers it counts with, raise these
    // exceptions, so this unit stays beneath them.
    Exception(std::string_view fmt, std::initializer_list<TVarRec> args);

    const std::string& Message() const { return FMessage; }
    void SetMessage(std::string message) { FMessage = std::move(message); }
    const char* what() const noexcept override { return FMessage.c_str(); }

private:
    std::string FMessage;
};

// Silent exception: ends an operation without telling the user; the application's exception
// handler lets it pass.
class EAbort : public Exception {
public:
    EAbort() : Exception("Operation aborted") {}
    using Exception::Exception;
};

class EConvertError : public Exception {
public:
    using Exception::Exception;
};
class EInvalidOperation : public Exception {
public:
    using Exception::Exception;
};
class EInvalidArgument : public Exception {
public:
    using Exception::Exception;
};
class EOutOfRange : public Exception {
public:
    using Exception::Exception;
};
class EListError : public Exception {
public:
    using Exception::Exception;
};
class EStringListError : public EListError {
public:
    using EListError::EListError;
};
class EComponentError : public Exception {
public:
    using Exception::Exception;
};
// A condition the program relies on does not hold ("Assertion failure", and where).
class EAssertionFailed : public Exception {
public:
    using Exception::Exception;
};

// File and stream faults.
class EStreamError : public Exception {
public:
    using Exception::Exception;
};
class EFOpenError : public EStreamError {
public:
    using EStreamError::EStreamError;
};
class EFCreateError : public EStreamError {
public:
    using EStreamError::EStreamError;
};
class EReadError : public EStreamError {
public:
    using EStreamError::EStreamError;
};
class EWriteError : public EStreamError {
public:
    using EStreamError::EStreamError;
};

}  // namespace plat
