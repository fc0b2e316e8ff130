/*
 * qlx_dll: the driver of the QLX firmness tester, as a flat C API.
 *
 * Call QLXInit (or QLXInit2) once, arm a reading, poll QLXBitStatus until the
 * reading is ready, read the results, and end with QLXQuit. Misuse is shown
 * to the user in a message box (or logged, see QLX_MESSAGE_LOG) and the
 * function returns the neutral result named below; nothing else is reported
 * to the caller. A client without a Qt event loop works as well: each call
 * lets the driver's pending events run.
 */
#ifndef QLX_DLL_H
#define QLX_DLL_H

#include <stdint.h>

#if defined(_WIN32)
#  define QLX_CALL __stdcall
#  if defined(QLX_DLL_BUILD)
#    define QLX_API __declspec(dllexport)
#  else
#    define QLX_API __declspec(dllimport)
#  endif
#else
#  define QLX_CALL
#  define QLX_API __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Creates the driver with the default configuration file and opens the link.
   A second call while initialised only shows a message. */
QLX_API void QLX_CALL QLXInit(void);
/* As QLXInit with the configuration file QLX_DLL.CFG in `directory` (without
   a trailing separator); a text shorter than 2 characters uses the default. */
QLX_API void QLX_CALL QLXInit2(const char* directory);
/* Tells the instrument that the client leaves, closes the link and destroys
   the driver; QLXInit may follow. Before QLXInit: a message. */
QLX_API void QLX_CALL QLXQuit(void);
/* Shows the setup dialog modally and returns when it is closed. */
QLX_API void QLX_CALL QLXSetup(void);
/* Reads all settings from the instrument again. Does nothing before QLXInit. */
QLX_API void QLX_CALL QLXRefreshSettings(void);

/* The status word: 1 firmness ready, 2 size ready, 4 link open, 16 probe at
   top, 32 probe at bottom, 64 instrument responding, 128 mass ready,
   256 has a scale, 512 setup dialog open. -1 before QLXInit. */
QLX_API int32_t QLX_CALL QLXStatus(void);
/* One bit of the status word, numbered 1 to 10: 1 set, 0 clear, -1 before
   QLXInit. Another number shows a message and returns 0 (-1 before QLXInit). */
QLX_API int32_t QLX_CALL QLXBitStatus(int32_t bitNumber);

/* Arm a firmness reading ("r"), an automatic one ("t"), one with mass ("l",
   or "r" without a scale), or ask for a mass reading ("c", scale only). */
QLX_API void QLX_CALL QLXDoFirmnessReading(void);
QLX_API void QLX_CALL QLXDoAutoFirmnessReading(void);
QLX_API void QLX_CALL QLXDoFirmnessAndMass(void);
QLX_API void QLX_CALL QLXDoMassReading(void);
/* Cancel the running operation ("o"), a mass reading ("f", scale only). */
QLX_API void QLX_CALL QLXCancel(void);
QLX_API void QLX_CALL QLXCancelMass(void);
/* Zero the scale ("h", scale only). */
QLX_API void QLX_CALL QLXZeroScale(void);
/* Move the probe to its top position ("B"); nothing when it is there. */
QLX_API void QLX_CALL QLXBack(void);
/* Measure speed 5..20 mm/s; measure distance 10..200 tenths of a millimetre.
   A value outside its range shows a message and sends nothing. */
QLX_API void QLX_CALL QLXSetMeasureSpeed(int32_t millimetresPerSecond);
QLX_API void QLX_CALL QLXSetMeasureDistance(int32_t tenthsOfMillimetre);
/* The measure speed and the whole millimetres of the measure distance as
   the setup dialog shows them; -1.0 before QLXInit. */
QLX_API float QLX_CALL QLXMeasureSpeed(void);
QLX_API float QLX_CALL QLXMeasureDistance(void);

/* Force at the maximum of the last curve (kg); acknowledges the reading
   (status bit 1 drops). -1.0 when no reading is ready. */
QLX_API float QLX_CALL QLXReadMaxFirmness(void);
/* Whole millimetres of the deflection at that maximum, as last stored by
   QLXReadMaxFirmness; -1.0 before QLXInit. */
QLX_API float QLX_CALL QLXMaxFirmnessPoint(void);
/* Force at the end of the last curve (kg) and its energy (joule), while the
   reading is ready; -1.0 otherwise. Read them before QLXReadMaxFirmness. */
QLX_API float QLX_CALL QLXReadLastFirmness(void);
QLX_API float QLX_CALL QLXReadEnergy(void);
/* The last size (mm) and mass (gram) readings; each acknowledges its
   reading. -1.0 when none is ready. */
QLX_API float QLX_CALL QLXReadSize(void);
QLX_API float QLX_CALL QLXReadMass(void);
/* Shows the "no scale" message. */
QLX_API void QLX_CALL QLXNoScale(void);

/* Builds the table of the last curve at 0.5 mm (0), 0.1 mm (1), 0.01 mm (2)
   or 1.0 mm (other) steps and returns its rows; 0 before the first curve. */
QLX_API int32_t QLX_CALL QLXGetCoordCnt(int32_t resolution);
/* Copies the table into x (mm) and y (kg); `size` must exceed the row count
   (else a message and -1). Returns the rows, 0 without a curve. */
QLX_API int32_t QLX_CALL QLXGetGraphCoord(float* x, float* y, int32_t size);
/* Deflection (mm) and force (kg) of one table row; 0.0 outside the table. */
QLX_API float QLX_CALL QLXGraphXatIdx(int32_t index);
QLX_API float QLX_CALL QLXGraphYatIdx(int32_t index);

/* Show and close the graph window. */
QLX_API void QLX_CALL QLXGraph(void);
QLX_API void QLX_CALL QLXNoGraph(void);

/* Kept for old clients: they do nothing. */
QLX_API void QLX_CALL QLXVersion(int32_t reserved1, int32_t reserved2);
QLX_API void QLX_CALL QLXDelay(void);

#ifdef __cplusplus
}
#endif

#endif /* QLX_DLL_H */
