@echo off
rem Runs the test programs on a Windows machine. Copy the build folder there
rem (Ambler.exe with tests\ beside it), then run this file, with the folder
rem of the test programs when it is not ..\build\tests from here.
rem Tests that need Wine's Unix host (mounts, links, a loopback server) skip
rem with a message. Each program's output is kept in %TEMP%\ambler-NAME.log.
setlocal
set "programs=%~1"
if "%programs%"=="" set "programs=%~dp0..\build\tests"
set failed=0
for %%p in (platform_tests support_tests controls_tests files_dialog_tests plugins_tests launcher_tests downloads_tests) do (
  echo === %%p
  "%programs%\%%p.exe" --gtest_brief=1 > "%TEMP%\ambler-%%p.log" 2>&1
  if errorlevel 1 set failed=1
  type "%TEMP%\ambler-%%p.log"
)
if %failed%==1 (
  echo Some tests failed.
  exit /b 1
)
echo All tests passed.
