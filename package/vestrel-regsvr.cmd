@echo off
rem vestrel-regsvr.cmd [/u] [/user]: registers (with /u: unregisters) both
rem Vestrel DLLs of this package with the system's own regsvr32: the 32-bit
rem DLL (x86) for 32-bit hosts and, on 64-bit Windows, the 64-bit DLL (x64)
rem for 64-bit hosts. Machine-wide needs an administrator; /user writes the
rem current user's classes only and needs no rights.
setlocal
set "here=%~dp0"
set "undo="
set "scope="
if /i "%~1"=="/u" set "undo=/u"
if /i "%~1"=="/u" shift
if /i "%~1"=="/user" set "scope=/n /i:user"
set "where=para todo el equipo"
if defined scope set "where=para el usuario actual"
set "status=0"

rem A 32-bit command prompt on 64-bit Windows sees the 64-bit system folder
rem as Sysnative; System32 would lead it back to the 32-bit one.
set "system32=%SystemRoot%\System32"
set "system64="
if exist "%SystemRoot%\SysWOW64\regsvr32.exe" set "system32=%SystemRoot%\SysWOW64"
if exist "%SystemRoot%\SysWOW64\regsvr32.exe" set "system64=%SystemRoot%\System32"
if exist "%SystemRoot%\Sysnative\regsvr32.exe" set "system64=%SystemRoot%\Sysnative"

call :one "%system32%" x86 "programas de 32 bits"
if errorlevel 1 goto failed
if not defined system64 goto done
call :one "%system64%" x64 "programas de 64 bits"
if errorlevel 1 goto failed
:done
echo Vestrel: hecho.
goto end

:failed
echo Vestrel: regsvr32 no pudo completar la operacion (en todo el equipo hay que ejecutarlo como administrador). 1>&2
set "status=1"

:end
rem Started from Explorer (cmd /c on a script of this folder), the window
rem would close before anyone read what happened: it waits for a key.
echo.%cmdcmdline% | find /i "%here%" >nul && pause
exit /b %status%

:one
"%~1\regsvr32.exe" /s %undo% %scope% "%here%%~2\vestrel.dll"
if errorlevel 1 exit /b 1
if defined undo (
  echo Vestrel: quitado del registro %~2\vestrel.dll ^(%~3^), %where%.
) else (
  echo Vestrel: registrado %~2\vestrel.dll ^(%~3^), %where%.
)
exit /b 0
