// A result-buffer list handed over by the host (acutBuildList, acedGetSym, xData ...), freed with
// acutRelRb when the guard goes out of scope.
#pragma once

#include "acutmem.h"

#include <utility>

class TzRvnResbufList {
public:
    TzRvnResbufList() = default;
    explicit TzRvnResbufList(resbuf* list) : list_(list) {}
    ~TzRvnResbufList() { reset(); }

    TzRvnResbufList(const TzRvnResbufList&) = delete;
    TzRvnResbufList& operator=(const TzRvnResbufList&) = delete;
    TzRvnResbufList(TzRvnResbufList&& other) noexcept : list_(std::exchange(other.list_, nullptr)) {}
    TzRvnResbufList& operator=(TzRvnResbufList&& other) noexcept {
        if (this != &other) {
            reset();
            list_ = std::exchange(other.list_, nullptr);
        }
        return *this;
    }

    resbuf* get() const { return list_; }
    // Frees the list held and gives the pointer for a host call to fill (acedGetSym(name, &list.slot())).
    resbuf*& slot() {
        reset();
        return list_;
    }
    // Hands the list over to the caller, who frees it.
    resbuf* release() { return std::exchange(list_, nullptr); }
    void reset() {
        if (list_ != nullptr) acutRelRb(std::exchange(list_, nullptr));
    }

private:
    resbuf* list_ = nullptr;
};
