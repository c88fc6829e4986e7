#include "platform/Object.h"

#include "platform/Exception.h"

#include <cstdlib>
#include <cxxabi.h>
#include <memory>
#include <typeinfo>

QString TObject::ClassName() const {
    const char* mangled = typeid(*this).name();
    int status = 0;
    std::unique_ptr<char, decltype(&std::free)> name(
        abi::__cxa_demangle(mangled, nullptr, nullptr, &status), &std::free);
    return QString::fromLatin1(status == 0 && name ? name.get() : mangled);
}

void TPersistent::Assign(TPersistent* Source) {
    if (Source)
        Source->AssignTo(this);
    else
        AssignError(nullptr);
}

void TPersistent::AssignTo(TPersistent* Dest) {
    Dest->AssignError(this);
}

void TPersistent::AssignError(TPersistent* Source) {
    const QString sourceName = Source ? Source->ClassName() : QString("nil");
    throw Exception(Format("Cannot assign a %s to a %s", sourceName, ClassName()));
}
