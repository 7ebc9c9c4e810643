#include "framework/core/Exceptions.h"

#include <utility>

Exception::Exception(std::string AMessage) : FMessage(std::move(AMessage)) {}
