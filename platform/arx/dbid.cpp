#include "dbid.h"

#include <cwchar>

#include "dbdatabase.h"
#include "dbstub.h"

const AcDbObjectId AcDbObjectId::kNull;

AcDbHandle::AcDbHandle(const ACHAR* hexText) {
    if (hexText == nullptr || *hexText == L'\0') return;
    std::uint64_t value = 0;
    for (const ACHAR* c = hexText; *c != L'\0'; ++c) {
        int digit = -1;
        if (*c >= L'0' && *c <= L'9') digit = *c - L'0';
        if (*c >= L'A' && *c <= L'F') digit = *c - L'A' + 10;
        if (*c >= L'a' && *c <= L'f') digit = *c - L'a' + 10;
        if (digit < 0 || value >> 60 != 0) return;
        value = value << 4 | static_cast<std::uint64_t>(digit);
    }
    value_ = value;
}

std::wstring AcDbHandle::text() const {
    wchar_t buffer[17];
    std::swprintf(buffer, 17, L"%llX", static_cast<unsigned long long>(value_));
    return buffer;
}

std::wstring rvnhost::shownHandle(const AcDbHandle& handle) { return L"#" + handle.text(); }

void AcDbHandle::getIntoAsciiBuffer(ACHAR* buffer, std::size_t bufferSize) const {
    if (buffer == nullptr || bufferSize == 0) return;
    std::wstring hex = text();
    std::size_t count = hex.size() < bufferSize ? hex.size() : bufferSize - 1;
    std::wmemcpy(buffer, hex.c_str(), count);
    buffer[count] = L'\0';
}

AcDbDatabase* AcDbObjectId::database() const { return stub_ != nullptr ? stub_->database : nullptr; }

AcDbHandle AcDbObjectId::handle() const { return AcDbHandle(stub_ != nullptr ? stub_->handle : 0); }

bool AcDbObjectId::isErased() const { return stub_ != nullptr && stub_->erased; }

bool AcDbObjectId::isValid() const { return stub_ != nullptr && stub_->object != nullptr; }
