#include "framework/userinterface.h"

#include "framework/qtuserinterface.h"

namespace {

std::unique_ptr<TUserInterface>& Installed() {
    static std::unique_ptr<TUserInterface> service;
    return service;
}

} // namespace

TUserInterface::~TUserInterface() = default;

TUserInterface& TUserInterface::Get() {
    std::unique_ptr<TUserInterface>& service = Installed();
    if (!service)
        service = std::make_unique<TQtUserInterface>();
    return *service;
}

std::unique_ptr<TUserInterface> TUserInterface::Install(std::unique_ptr<TUserInterface> service) {
    std::swap(Installed(), service);
    return service;
}
