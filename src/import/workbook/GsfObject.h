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

template <typename T> using GsfPtr = std::unique_ptr<T, GObjectFreigabe>;

struct GErrorFreigabe {
    void operator()(GError* e) const { g_error_free(e); }
};
using GErrorPtr = std::unique_ptr<GError, GErrorFreigabe>;

inline void GsfStilleMeldung(const gchar*, GLogLevelFlags, const gchar*, gpointer) {}
inline void GsfStilleAusgabe(const gchar*) {}

inline void GsfStarten() {
    static const bool einmal = [] {
        gsf_init();
        // gsf reports what it finds wrong in a damaged file on the terminal
        // (assertion texts among them); the reader says it in its own error,
        // naming the file, so those lines are only noise. Some of gsf's
        // sources log without a domain of their own, and the zip reader
        // prints a bad header with g_printerr; a damaged date in a zip entry
        // reaches GLib's own date functions, which complain in their domain.
        // Nothing else in this program speaks through GLib, so all of it is
        // silenced whole.
        for (const char* bereich : {static_cast<const char*>(nullptr), "libgsf", "libgsf:msole", "libgsf:zip",
                                    "libgsf:open_pkg", "libgsf:tar", "GLib", "GLib-GObject", "GLib-GIO"})
            g_log_set_handler(bereich,
                              static_cast<GLogLevelFlags>(G_LOG_LEVEL_CRITICAL | G_LOG_LEVEL_WARNING |
                                                          G_LOG_LEVEL_MESSAGE | G_LOG_LEVEL_INFO |
                                                          G_LOG_LEVEL_DEBUG),
                              GsfStilleMeldung, nullptr);
        g_set_printerr_handler(GsfStilleAusgabe);
        return true;
    }();
    (void)einmal;
}

} // namespace cb::workbook
