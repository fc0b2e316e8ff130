/*
 * Measures one fruit through the qlx_dll C API and prints the result as CSV.
 *
 *   qlx-measure LIBRARY CONFIG_FOLDER [SECONDS]
 *
 * LIBRARY is the driver library's file (libqlx_dll.so, qlx_dll.dll), loaded
 * at run time as an integrator's program would; CONFIG_FOLDER holds the
 * driver's QLX_DLL.CFG naming the serial port. SECONDS bounds each wait (30).
 */
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>

#if defined(_WIN32)
#include <windows.h>
#define QLX_CALL __stdcall
typedef HMODULE library_t;
static library_t open_library(const char* path) { return LoadLibraryA(path); }
static void* symbol(library_t lib, const char* name) { return (void*)GetProcAddress(lib, name); }
static void close_library(library_t lib) { FreeLibrary(lib); }
static void sleep_ms(int ms) { Sleep(ms); }
#else
#include <dlfcn.h>
#include <time.h>
#define QLX_CALL
typedef void* library_t;
static library_t open_library(const char* path) { return dlopen(path, RTLD_NOW | RTLD_LOCAL); }
static void* symbol(library_t lib, const char* name) { return dlsym(lib, name); }
static void close_library(library_t lib) { dlclose(lib); }
static void sleep_ms(int ms)
{
    struct timespec t = {ms / 1000, (ms % 1000) * 1000000L};
    nanosleep(&t, NULL);
}
#endif

typedef void(QLX_CALL* init2_fn)(const char*);
typedef void(QLX_CALL* void_fn)(void);
typedef int32_t(QLX_CALL* bit_fn)(int32_t);
typedef float(QLX_CALL* float_fn)(void);
typedef int32_t(QLX_CALL* count_fn)(int32_t);
typedef int32_t(QLX_CALL* coords_fn)(float*, float*, int32_t);

struct api {
    init2_fn init2;
    void_fn quit, firmness_reading;
    bit_fn bit_status;
    float_fn last_firmness, energy, max_firmness, max_point, size;
    count_fn coord_count;
    coords_fn graph_coords;
};

static int resolve(library_t lib, struct api* a)
{
#define RESOLVE(field, type, name)                                  \
    if (!(a->field = (type)symbol(lib, name))) {                    \
        fprintf(stderr, "qlx-measure: %s is missing\n", name);      \
        return 0;                                                   \
    }
    RESOLVE(init2, init2_fn, "QLXInit2")
    RESOLVE(quit, void_fn, "QLXQuit")
    RESOLVE(firmness_reading, void_fn, "QLXDoFirmnessReading")
    RESOLVE(bit_status, bit_fn, "QLXBitStatus")
    RESOLVE(last_firmness, float_fn, "QLXReadLastFirmness")
    RESOLVE(energy, float_fn, "QLXReadEnergy")
    RESOLVE(max_firmness, float_fn, "QLXReadMaxFirmness")
    RESOLVE(max_point, float_fn, "QLXMaxFirmnessPoint")
    RESOLVE(size, float_fn, "QLXReadSize")
    RESOLVE(coord_count, count_fn, "QLXGetCoordCnt")
    RESOLVE(graph_coords, coords_fn, "QLXGetGraphCoord")
#undef RESOLVE
    return 1;
}

/* Polls one status bit every 10 ms until it is set. */
static int wait_for_bit(const struct api* a, int32_t bit, int seconds)
{
    for (int waited = 0; waited < seconds * 1000; waited += 10) {
        if (a->bit_status(bit) == 1)
            return 1;
        sleep_ms(10);
    }
    return 0;
}

int main(int argc, char** argv)
{
    if (argc < 3) {
        fprintf(stderr, "usage: %s LIBRARY CONFIG_FOLDER [SECONDS]\n", argv[0]);
        return 64;
    }
    const int seconds = argc > 3 ? atoi(argv[3]) : 30;
    library_t lib = open_library(argv[1]);
    if (!lib) {
        fprintf(stderr, "qlx-measure: cannot load %s\n", argv[1]);
        return 1;
    }
    struct api a;
    if (!resolve(lib, &a))
        return 1;

    int status = 0;
    a.init2(argv[2]);
    if (!wait_for_bit(&a, 7, seconds)) { /* the settings were read */
        fprintf(stderr, "qlx-measure: the instrument does not respond\n");
        status = 2;
    } else {
        a.firmness_reading();
        if (!wait_for_bit(&a, 1, seconds)) {
            fprintf(stderr, "qlx-measure: no firmness reading arrived\n");
            status = 3;
        }
    }
    if (status == 0) {
        /* Everything else first: reading the maximum acknowledges the reading. */
        const float last = a.last_firmness();
        const float energy = a.energy();
        const int32_t rows = a.coord_count(1); /* 0.1 mm */
        float* x = calloc((size_t)rows + 1, sizeof(float));
        float* y = calloc((size_t)rows + 1, sizeof(float));
        const int32_t copied = (x && y) ? a.graph_coords(x, y, rows + 1) : -1;
        const float max = a.max_firmness();
        const float max_point = a.max_point();

        printf("quantity,value,unit\n");
        printf("max_firmness,%.3f,kg\n", max);
        printf("max_firmness_point,%.0f,mm\n", max_point);
        printf("last_firmness,%.3f,kg\n", last);
        printf("energy,%.4f,J\n", energy);
        printf("\ndeflection_mm,force_kg\n");
        for (int32_t i = 0; i < copied; ++i)
            printf("%.2f,%.3f\n", x[i], y[i]);
        free(x);
        free(y);
        if (copied <= 0)
            status = 4;
    }
    a.quit();
    close_library(lib);
    return status;
}
