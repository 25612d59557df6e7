#include "app/DoraRiveApp.h"

int main(int argc, char* argv[])
{
    DoraRiveApp app(argc, argv);
    return app.Run();
}
