@echo off
rem unregister-machine.cmd: see vestrel-regsvr.cmd
call "%~dp0vestrel-regsvr.cmd" /u
