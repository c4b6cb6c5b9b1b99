// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Owning handles for libgsf's GObjects. Internal: only .cpp files of this
// folder include it, so gsf headers stay out of the core's interfaces.
#include <gsf/gsf.h>

#include <memory>

namespace cb::workbook {

struct GObjectFreigabe {
    void operator()(void* objekt) const {
        if (objekt)
            g_object_unref(objekt);
    }
};

template <typename T>
using GsfPtr = std::unique_ptr<T, GObjectFreigabe>;

struct GErrorFreigabe {
    void operator()(GError* e) const { g_error_free(e); }
};
using GErrorPtr = std::unique_ptr<GError, GErrorFreigabe>;

inline void GsfStarten() {
    static const bool einmal = [] {
        gsf_init();
        return true;
    }();
    (void)einmal;
}

} // namespace cb::workbook
