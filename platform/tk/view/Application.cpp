#include "platform/tk/view/Application.h"

namespace tk {

Application& Application::shared() {
    static Application application;
    return application;
}

} // namespace tk
