// uia_probe [--reference BARE] PROGRAM [ARGS...]: starts PROGRAM, finds its
// window and walks it as a UI Automation client does (the window's node, its
// first child and the siblings after it, then a search of every descendant),
// with a time limit on the walk; then asks whether the window still answers
// and takes input.
//
// Exit status: 0 the walk ended and the window takes input; 1 the walk hung
// or failed, or the window froze; 2 bad use or the program showed no window;
// 77 skipped: this system's uiautomationcore.dll lacks the client functions,
// Wine has no display to show the window on, or the reference window hangs
// or freezes as well (the fault is then the system's or the toolkit's).
//
// Only the flat Uia* functions are used: Wine has no CUIAutomation class to
// create, and the functions are looked up at run time so that a system
// without them skips rather than fails to load the probe.
#include <windows.h>
#include <oleauto.h>

#include <cstdio>
#include <string>

namespace {

DECLARE_HANDLE(HUIANODE);

// The layouts of uiautomationcoreapi.h's client structures, which mingw's
// headers leave out.
struct UiaCondition {
    int conditionType; // 0: true for every element
};
struct UiaCacheRequest {
    UiaCondition *viewCondition;
    int scope; // 1: the element itself
    int *properties;
    int propertyCount;
    int *patterns;
    int patternCount;
    int elementMode; // 1: full, live elements
};
struct UiaFindParams {
    int maxDepth;
    BOOL findFirst;
    BOOL excludeRoot;
    UiaCondition *findCondition;
};

constexpr int NavigateNextSibling = 1;
constexpr int NavigateFirstChild = 3;
constexpr int NamePropertyId = 30005;

using NodeFromHandle = HRESULT(WINAPI *)(HWND, HUIANODE *);
using Navigate = HRESULT(WINAPI *)(HUIANODE, int, UiaCondition *, UiaCacheRequest *, SAFEARRAY **, BSTR *);
using Find = HRESULT(WINAPI *)(HUIANODE, UiaFindParams *, UiaCacheRequest *, SAFEARRAY **, SAFEARRAY **,
                               SAFEARRAY **);
using GetPropertyValue = HRESULT(WINAPI *)(HUIANODE, int, VARIANT *);
using NodeFromVariant = HRESULT(WINAPI *)(VARIANT *, HUIANODE *);
using NodeRelease = BOOL(WINAPI *)(HUIANODE);

struct Uia {
    NodeFromHandle nodeFromHandle;
    Navigate navigate;
    Find find;
    GetPropertyValue getPropertyValue;
    NodeFromVariant nodeFromVariant;
    NodeRelease nodeRelease;
};
Uia uia;

// The step the walk is at, for the report when it hangs.
volatile LONG step;
const char *const stepNames[] = {"not started", "node of the window", "name of the window",
                                 "first child", "next sibling", "name of a child", "search of the descendants",
                                 "done"};

template <typename F>
bool resolve(HMODULE dll, const char *name, F *into)
{
    *into = reinterpret_cast<F>(reinterpret_cast<void *>(GetProcAddress(dll, name)));
    if (!*into)
        std::printf("uia_probe: skipped: uiautomationcore.dll has no %s\n", name);
    return *into != nullptr;
}

void at(LONG s)
{
    InterlockedExchange(&step, s);
    std::printf("uia_probe: %s\n", stepNames[s]);
    std::fflush(stdout);
}

// The element's name in UTF-8, quoted.
std::string nameOf(HUIANODE node)
{
    VARIANT value;
    VariantInit(&value);
    std::string name = "(no name)";
    if (SUCCEEDED(uia.getPropertyValue(node, NamePropertyId, &value)) && value.vt == VT_BSTR && value.bstrVal) {
        const int size = WideCharToMultiByte(CP_UTF8, 0, value.bstrVal, -1, nullptr, 0, nullptr, nullptr);
        std::string utf8(size > 0 ? size - 1 : 0, '\0');
        WideCharToMultiByte(CP_UTF8, 0, value.bstrVal, -1, utf8.data(), size, nullptr, nullptr);
        name = '"' + utf8 + '"';
    }
    VariantClear(&value);
    return name;
}

// The node in the first row of what UiaNavigate returns, or null.
HUIANODE firstNode(SAFEARRAY *data)
{
    HUIANODE node = nullptr;
    if (!data)
        return node;
    LONG index[2] = {0, 0};
    VARIANT value;
    VariantInit(&value);
    if (SUCCEEDED(SafeArrayGetElement(data, index, &value)))
        uia.nodeFromVariant(&value, &node);
    VariantClear(&value);
    SafeArrayDestroy(data);
    return node;
}

HUIANODE navigate(HUIANODE from, int direction)
{
    UiaCondition all{0};
    UiaCacheRequest request{&all, 1, nullptr, 0, nullptr, 0, 1};
    SAFEARRAY *data = nullptr;
    BSTR structure = nullptr;
    const HRESULT hr = uia.navigate(from, direction, &all, &request, &data, &structure);
    SysFreeString(structure);
    return SUCCEEDED(hr) ? firstNode(data) : nullptr;
}

DWORD WINAPI walk(void *param)
{
    const HWND window = static_cast<HWND>(param);
    CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    at(1);
    HUIANODE root = nullptr;
    const HRESULT hr = uia.nodeFromHandle(window, &root);
    if (FAILED(hr) || !root) {
        std::printf("uia_probe: the window has no automation node (0x%08lx)\n", static_cast<unsigned long>(hr));
        return 1;
    }
    at(2);
    std::printf("uia_probe: window %s\n", nameOf(root).c_str());
    at(3);
    int children = 0;
    for (HUIANODE child = navigate(root, NavigateFirstChild); child;) {
        ++children;
        at(5);
        std::printf("uia_probe: child %d %s\n", children, nameOf(child).c_str());
        at(4);
        HUIANODE next = navigate(child, NavigateNextSibling);
        uia.nodeRelease(child);
        child = next;
    }
    std::printf("uia_probe: %d children\n", children);
    at(6);
    UiaCondition all{0};
    UiaCacheRequest request{&all, 1, nullptr, 0, nullptr, 0, 1};
    UiaFindParams params{-1, FALSE, TRUE, &all};
    SAFEARRAY *data = nullptr, *offsets = nullptr, *structures = nullptr;
    if (SUCCEEDED(uia.find(root, &params, &request, &data, &offsets, &structures)) && data) {
        LONG upper = -1;
        SafeArrayGetUBound(data, 1, &upper);
        std::printf("uia_probe: %ld descendants found\n", long(upper + 1));
    } else {
        std::printf("uia_probe: the search found nothing\n");
    }
    for (SAFEARRAY *array : {data, offsets, structures})
        if (array)
            SafeArrayDestroy(array);
    uia.nodeRelease(root);
    at(7);
    return 0;
}

struct Search {
    DWORD process;
    HWND found;
};

BOOL CALLBACK visibleWindowOf(HWND hwnd, LPARAM param)
{
    auto *search = reinterpret_cast<Search *>(param);
    DWORD process = 0;
    GetWindowThreadProcessId(hwnd, &process);
    if (process != search->process || !IsWindowVisible(hwnd) || GetWindow(hwnd, GW_OWNER))
        return TRUE;
    search->found = hwnd;
    return FALSE;
}

bool responds(HWND hwnd)
{
    DWORD_PTR result = 0;
    return SendMessageTimeoutW(hwnd, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &result) != 0;
}

// A thread waiting in an outgoing COM call still answers sent messages (as
// above) but handles no posted ones: no click, no key. A posted minimise
// shows whether it does.
bool takesPostedInput(HWND hwnd)
{
    PostMessageW(hwnd, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    for (int tries = 0; tries < 50 && !IsIconic(hwnd); ++tries)
        Sleep(100);
    return IsIconic(hwnd);
}

// Starts the command, walks its window and ends it: 0 the walk ended and the
// window takes input, 1 it hung, failed or froze, 2 no window.
int probe(std::wstring command)
{
    if (command.front() != L'"')
        command = L"\"" + command + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION program{};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &program)) {
        std::printf("uia_probe: cannot start the program (error %lu)\n", GetLastError());
        return 2;
    }
    Search search{program.dwProcessId, nullptr};
    for (int tries = 0; tries < 300 && !search.found; ++tries) {
        Sleep(100);
        EnumWindows(visibleWindowOf, reinterpret_cast<LPARAM>(&search));
    }
    if (!search.found) {
        std::printf("uia_probe: the program showed no window in 30 s\n");
        TerminateProcess(program.hProcess, 2);
        return 2;
    }
    HWND window = search.found;
    Sleep(1000); // past the start-up's own work
    std::printf("uia_probe: before the walk the window %s\n", responds(window) ? "responds" : "does not respond");

    // The walk may hang for good: it runs on a thread of its own, which is
    // left behind when the time is up.
    InterlockedExchange(&step, 0);
    HANDLE walker = CreateThread(nullptr, 0, walk, window, 0, nullptr);
    DWORD walkResult = 1;
    const bool ended = WaitForSingleObject(walker, 20000) == WAIT_OBJECT_0;
    const bool walked = ended && GetExitCodeThread(walker, &walkResult) && walkResult == 0;
    if (!ended)
        std::printf("uia_probe: the walk hung at: %s (20 s)\n", stepNames[InterlockedCompareExchange(&step, 0, 0)]);
    const bool answers = responds(window);
    const bool alive = answers && takesPostedInput(window);
    std::printf("uia_probe: after the walk the window %s\n",
                alive     ? "responds and takes input"
                : answers ? "answers sent messages but takes no input (a posted minimise waited 5 s)"
                          : "is frozen (5 s without an answer)");
    TerminateProcess(program.hProcess, 0);
    return walked && alive ? 0 : 1;
}

} // namespace

int main()
{
    // The program and its arguments, as given: the rest of our command line.
    int argc = 0;
    LPWSTR *argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    if (argc < 2) {
        std::printf("usage: uia_probe [--reference BARE_PROGRAM] PROGRAM [ARGS...]\n");
        return 2;
    }
    // Wine shows windows only on an X (or Wayland) display, and finds one in
    // the Unix environment, which it hands on.
    const bool underWine = GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
    if (underWine && !GetEnvironmentVariableW(L"DISPLAY", nullptr, 0)
        && !GetEnvironmentVariableW(L"WAYLAND_DISPLAY", nullptr, 0)) {
        std::printf("uia_probe: skipped: Wine without a display shows no window\n");
        return 77;
    }
    HMODULE dll = LoadLibraryW(L"uiautomationcore.dll");
    if (!dll) {
        std::printf("uia_probe: skipped: no uiautomationcore.dll\n");
        return 77;
    }
    if (!resolve(dll, "UiaNodeFromHandle", &uia.nodeFromHandle) || !resolve(dll, "UiaNavigate", &uia.navigate)
        || !resolve(dll, "UiaFind", &uia.find) || !resolve(dll, "UiaGetPropertyValue", &uia.getPropertyValue)
        || !resolve(dll, "UiaHUiaNodeFromVariant", &uia.nodeFromVariant)
        || !resolve(dll, "UiaNodeRelease", &uia.nodeRelease))
        return 77;

    // With --reference, the reference program (a bare window of the same
    // toolkit) is walked first: where it freezes too, the fault lies below
    // the program, and its run is skipped with that evidence.
    int first = 1;
    if (argc >= 4 && std::wstring(argv[1]) == L"--reference") {
        std::printf("uia_probe: the reference\n");
        if (probe(argv[2]) != 0) {
            std::printf("uia_probe: skipped: the reference window hangs or freezes too\n");
            std::fflush(stdout);
            ExitProcess(77);
        }
        first = 3;
    }
    std::wstring command;
    for (int i = first; i < argc; ++i)
        command += std::wstring(i > first ? L" \"" : L"\"") + argv[i] + L"\"";
    const int result = probe(command);
    std::fflush(stdout);
    // Not returning through the C runtime: a hung walker thread must not hold
    // the probe up.
    ExitProcess(result);
}
