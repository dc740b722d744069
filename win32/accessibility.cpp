#include "accessibility.h"

// The property and class ids, defined here from the header's values.
#include <initguid.h>
#include <oleacc.h>

namespace lpf::win32 {
namespace {

// One service object for the program's life; none where the system has no
// accessibility support, and then nothing is annotated.
IAccPropServices* Services() {
    static IAccPropServices* services = [] {
        IAccPropServices* created = nullptr;
        if (FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                    IID_IAccPropServices, reinterpret_cast<void**>(&created))))
            return static_cast<IAccPropServices*>(nullptr);
        return created;
    }();
    return services;
}

void SetString(HWND control, const GUID& property, const std::wstring& value) {
    if (IAccPropServices* s = Services())
        s->SetHwndPropStr(control, OBJID_CLIENT, CHILDID_SELF, property, value.c_str());
}

void SetNumber(HWND control, const GUID& property, LONG value) {
    VARIANT number;
    VariantInit(&number);
    number.vt = VT_I4;
    number.lVal = value;
    if (IAccPropServices* s = Services())
        s->SetHwndProp(control, OBJID_CLIENT, CHILDID_SELF, property, number);
}

}  // namespace

void AnnotateName(HWND control, const std::wstring& name) {
    SetString(control, PROPID_ACC_NAME, name);
}

void AnnotatePicture(HWND control, const std::wstring& name, const std::wstring& description) {
    SetString(control, PROPID_ACC_NAME, name);
    SetString(control, PROPID_ACC_DESCRIPTION, description);
    SetNumber(control, PROPID_ACC_ROLE, ROLE_SYSTEM_GRAPHIC);
}

void AnnotateAlert(HWND control) {
    SetNumber(control, PROPID_ACC_ROLE, ROLE_SYSTEM_ALERT);
}

void AnnotateDecoration(HWND control) {
    SetNumber(control, PROPID_ACC_STATE, STATE_SYSTEM_INVISIBLE);
}

}  // namespace lpf::win32
