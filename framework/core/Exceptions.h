// The framework's exception classes. Everything the framework raises derives from Exception, whose
// Message() is the text shown to the user or written to a log by the caller.
#pragma once

#include <exception>
#include <string>

class Exception : public std::exception {
public:
    explicit Exception(std::string AMessage);
    const std::string& Message() const noexcept { return FMessage; }
    const char* what() const noexcept override { return FMessage.c_str(); }

private:
    std::string FMessage;
};

// One line per exception class: they differ only in type, so that callers can catch by kind.
#define VSK_DECLARE_EXCEPTION(EClass, EBase)                                                                           \
    class EClass : public EBase {                                                                                      \
    public:                                                                                                            \
        using EBase::EBase;                                                                                            \
    };

VSK_DECLARE_EXCEPTION(EStreamError, Exception)
VSK_DECLARE_EXCEPTION(EReadError, EStreamError)  // bad window descriptions, short stream reads
VSK_DECLARE_EXCEPTION(EWriteError, EStreamError) // short stream writes
VSK_DECLARE_EXCEPTION(EFOpenError, EStreamError)
VSK_DECLARE_EXCEPTION(EFCreateError, EStreamError)
VSK_DECLARE_EXCEPTION(EPropertyError, Exception)  // unknown published property, value of the wrong kind
VSK_DECLARE_EXCEPTION(EComponentError, Exception) // bad or duplicate component name, unknown class
VSK_DECLARE_EXCEPTION(EInvalidOperation, Exception)
VSK_DECLARE_EXCEPTION(EConvertError, Exception)    // failed Assign, value conversions
VSK_DECLARE_EXCEPTION(EStringListError, Exception) // list index out of bounds
VSK_DECLARE_EXCEPTION(EListError, Exception)       // collection index out of bounds
