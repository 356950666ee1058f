// Calls into the installed library without a window: hands it the host
// callbacks and reads its exported colours. Prints "orlin consumer: ok".
#include <cstdio>

#include <orlin/orlin.h>

namespace {

void addTimer(unsigned, void (*)(int), int) {}
void notify(int) {}
int modifiers()
{
    return 0;
}

}  // namespace

int main()
{
    orlinInit(addTimer, notify, modifiers);
    if (orlinWhite[0] != 1.0f || orlinBlack[3] != 1.0f) {
        std::printf("orlin consumer: unexpected exported colours\n");
        return 1;
    }
    std::printf("orlin consumer: ok\n");
    return 0;
}
