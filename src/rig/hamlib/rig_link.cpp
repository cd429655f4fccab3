#include "rig/hamlib/rig_link.h"

#include <algorithm>
#include <clocale>
#include <cstring>
#include <mutex>

#if QUILLMARK_HAVE_HAMLIB
#include <hamlib/rig.h>
#endif

namespace {

[[maybe_unused]] constexpr const char* kWithoutHamlib = "Hamlib なしで作られています";

#if QUILLMARK_HAVE_HAMLIB
void LoadBackendsOnce() {
    static std::once_flag once;
    std::call_once(once, [] {
        rig_set_debug(RIG_DEBUG_NONE);
        rig_load_all_backends();
    });
}

std::string ReasonOf(int error) {
    switch (error < 0 ? -error : error) {
        case RIG_ETIMEOUT:
            return "応答がありません";
        case RIG_EIO:
            return "通信できません";
        case RIG_ECONF:
            return "接続の設定に誤りがあります";
        case RIG_EPROTO:
            return "応答が読み取れません";
        case RIG_EPOWER:
            return "電源が入っていません";
        default:
            return rigerror(error);
    }
}
#endif

// A Hamlib result as success, or false with the reason.
bool Succeeded(int result, std::string* reason) {
#if QUILLMARK_HAVE_HAMLIB
    if (result == RIG_OK) {
        return true;
    }
    *reason = ReasonOf(result);
#else
    (void)result;
    *reason = kWithoutHamlib;
#endif
    return false;
}

}  // namespace

#if QUILLMARK_HAVE_HAMLIB
struct CRigLink::Rig {
    RIG* handle = nullptr;
    ~Rig() {
        if (handle != nullptr) {
            rig_cleanup(handle);
        }
    }
};
#else
struct CRigLink::Rig {};
#endif

CRigLink::CRigLink(const CRigSettings& settings) : settings_(settings) {}

CRigLink::~CRigLink() {
    Close();
}

bool CRigLink::Available() {
    return QUILLMARK_HAVE_HAMLIB != 0;
}

void CRigLink::UseCNumbers() {
    // The program formats and reads numbers itself; only Hamlib looks at this category.
    const char* current = std::setlocale(LC_NUMERIC, nullptr);
    if (current == nullptr || std::strcmp(current, "C") != 0) {
        std::setlocale(LC_NUMERIC, "C");
    }
}

bool CRigLink::Open(std::string* reason) {
    Close();
#if QUILLMARK_HAVE_HAMLIB
    UseCNumbers();
    LoadBackendsOnce();
    const bool network = settings_.connection == CRigSettings::kRigctld;
    rig_ = std::make_unique<Rig>();
    rig_->handle = rig_init(network ? RIG_MODEL_NETRIGCTL : settings_.model);
    if (rig_->handle == nullptr) {
        *reason = "この機種は使えません";
        rig_.reset();
        return false;
    }
    RIG* rig = rig_->handle;
    const std::string path = network ? settings_.host + ":" + std::to_string(settings_.network_port)
                                     : settings_.serial_port;
    rig_set_conf(rig, rig_token_lookup(rig, "rig_pathname"), path.c_str());
    if (!network) {
        rig_set_conf(rig, rig_token_lookup(rig, "serial_speed"),
                     std::to_string(settings_.speed).c_str());
    }
    // A radio that does not answer should not keep the poller for long.
    rig_set_conf(rig, rig_token_lookup(rig, "timeout"), "800");
    rig_set_conf(rig, rig_token_lookup(rig, "retry"), "0");
    const int result = rig_open(rig);
    if (result != RIG_OK) {
        *reason = ReasonOf(result);
        rig_.reset();
        return false;
    }
    // Every poll asks the radio itself: a cached answer would hide one that stopped
    // answering.
    rig_set_cache_timeout_ms(rig, HAMLIB_CACHE_ALL, 0);
    open_ = true;
    return true;
#else
    *reason = kWithoutHamlib;
    return false;
#endif
}

void CRigLink::Close() {
#if QUILLMARK_HAVE_HAMLIB
    if (open_ && rig_ != nullptr) {
        rig_close(rig_->handle);
    }
#endif
    open_ = false;
    rig_.reset();
}

std::optional<CRigLink::Reading> CRigLink::Read(std::string* reason) {
#if QUILLMARK_HAVE_HAMLIB
    if (!open_) {
        *reason = "接続されていません";
        return std::nullopt;
    }
    freq_t frequency = 0;
    int result = rig_get_freq(rig_->handle, RIG_VFO_CURR, &frequency);
    if (result != RIG_OK) {
        *reason = ReasonOf(result);
        return std::nullopt;
    }
    Reading reading;
    reading.hz = frequency;
    rmode_t mode = RIG_MODE_NONE;
    pbwidth_t width = 0;
    result = rig_get_mode(rig_->handle, RIG_VFO_CURR, &mode, &width);
    if (result == RIG_OK && mode != RIG_MODE_NONE) {
        reading.mode = rig_strrmode(mode);
    }
    return reading;
#else
    *reason = kWithoutHamlib;
    return std::nullopt;
#endif
}

bool CRigLink::SetFrequency([[maybe_unused]] double hz, std::string* reason) {
#if QUILLMARK_HAVE_HAMLIB
    return Succeeded(open_ ? rig_set_freq(rig_->handle, RIG_VFO_CURR, hz) : -RIG_EIO, reason);
#else
    return Succeeded(-1, reason);
#endif
}

bool CRigLink::SetMode([[maybe_unused]] const std::string& mode, std::string* reason) {
#if QUILLMARK_HAVE_HAMLIB
    return Succeeded(open_ ? rig_set_mode(rig_->handle, RIG_VFO_CURR, rig_parse_mode(mode.c_str()),
                                          RIG_PASSBAND_NOCHANGE)
                           : -RIG_EIO,
                     reason);
#else
    return Succeeded(-1, reason);
#endif
}

std::vector<CRigLink::Model> CRigLink::Models() {
    std::vector<Model> models;
#if QUILLMARK_HAVE_HAMLIB
    LoadBackendsOnce();
    rig_list_foreach(
        [](const rig_caps* caps, rig_ptr_t data) {
            static_cast<std::vector<Model>*>(data)->push_back(
                {static_cast<int>(caps->rig_model), caps->mfg_name, caps->model_name});
            return 1;
        },
        &models);
    std::sort(models.begin(), models.end(), [](const Model& a, const Model& b) {
        return a.maker != b.maker ? a.maker < b.maker : a.name < b.name;
    });
#endif
    return models;
}
