#include "runtime/error.h"

#include "runtime/message_sink.h"

#include <utility>

namespace runtime {

const char* const kRuntimeSource = kApplicationTitle;

std::string errorDescription(int32_t number) {
    switch (number) {
    case kInvalidArgument: return "无效的过程调用或参数";
    case kOverflow: return "溢出";
    case 7: return "内存不足";
    case kSubscriptOutOfRange: return "下标越界";
    case kDivisionByZero: return "除数为零";
    case kTypeMismatch: return "类型不匹配";
    default: return "应用程序定义的错误或对象定义的错误";
    }
}

RuntimeError::RuntimeError(int32_t number, std::string source, std::string description)
    : number_(number), source_(std::move(source)), description_(std::move(description)) {}

RuntimeError::RuntimeError(int32_t number)
    : RuntimeError(number, kRuntimeSource, errorDescription(number)) {}

}  // namespace runtime
